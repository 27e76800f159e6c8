// reventa-calc NAME [--csv]: runs one calculator on every line (or CSV row) of
// standard input and writes one result per line (or row) to standard output.
// --list, --help and --version answer without reading standard input.
#include <cstring>
#include <iostream>
#include <string>

#include "cli/command.h"
#include "cli/csv.h"

namespace {

using reventa::cli::Command;
using reventa::cli::Json;

int Usage() {
  std::cerr << "usage: reventa-calc NAME [--csv]    (reventa-calc --list prints the names)\n"
               "names:\n";
  for (const Command& c : reventa::cli::Commands()) std::cerr << "  " << c.name << '\n';
  return 2;
}

int Help() {
  std::cout << "usage: reventa-calc NAME [--csv]\n"
               "       reventa-calc --list | --help | --version\n"
               "\n"
               "Runs one Reventa 2024 calculator on every line of standard input: each line\n"
               "is a JSON object of input keys, and each answer is one JSON object of result\n"
               "keys on standard output, in the same order. A bad line gives {\"error\": ...}\n"
               "and the run goes on.\n"
               "\n"
               "  --csv      read CSV instead (a header row of input keys, one case a row) and\n"
               "             write the input columns, the result columns and an error column\n"
               "  --list     print the calculator names, one a line\n"
               "  --help     print this text\n"
               "  --version  print the version\n"
               "\n"
               "names:\n";
  for (const Command& c : reventa::cli::Commands()) std::cout << "  " << c.name << '\n';
  std::cout << "\n"
               "example:\n"
               "  echo '{\"TaxableIncome\":500000,\"QuickAge\":40}' | reventa-calc quicktax\n"
               "\n"
               "The input and result keys of every calculator are listed in reventa-calc(1).\n";
  return 0;
}

void RunJsonLines(const Command& command) {
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    std::cout << reventa::cli::Dump(reventa::cli::RunLine(command, line)) << '\n';
  }
}

// A CSV cell as a JSON value: empty means "not given", true/false are booleans,
// numbers are numbers, a cell starting with [ or { is JSON, anything else is text.
Json CellValue(const std::string& cell) {
  if (cell == "true") return true;
  if (cell == "false") return false;
  if (!cell.empty() && (cell.front() == '[' || cell.front() == '{' ||
                        cell.find_first_not_of("0123456789+-.eE") == std::string::npos)) {
    Json v = Json::parse(cell, nullptr, false);
    if (!v.is_discarded()) return v;
  }
  return cell;
}

std::string CellText(const Json& value) {
  if (value.is_null()) return {};
  if (value.is_string()) return value.get<std::string>();
  return reventa::cli::Dump(value);
}

void RunCsv(const Command& command) {
  const auto header = reventa::cli::ReadCsvRecord(std::cin);
  if (!header) return;
  std::string out;
  for (const std::string& h : *header) out += reventa::cli::CsvField(h) + ',';
  for (const std::string& k : command.resultKeys) out += reventa::cli::CsvField(k) + ',';
  out += "error\n";
  std::cout << out;
  while (auto row = reventa::cli::ReadCsvRecord(std::cin)) {
    if (row->size() == 1 && (*row)[0].empty()) continue;  // blank line
    Json input = Json::object();
    Json result;
    if (row->size() != header->size()) {
      result = Json{{"error", "the row has " + std::to_string(row->size()) +
                                  " fields, the header " + std::to_string(header->size())}};
    } else {
      for (std::size_t i = 0; i < header->size(); ++i) {
        if (!(*row)[i].empty()) input[(*header)[i]] = CellValue((*row)[i]);
      }
      result = reventa::cli::RunObject(command, input);
    }
    out.clear();
    for (std::size_t i = 0; i < header->size(); ++i) {
      out += reventa::cli::CsvField(i < row->size() ? (*row)[i] : std::string()) + ',';
    }
    const bool failed = result.contains("error");
    for (const std::string& k : command.resultKeys) {
      const auto it = result.find(k);
      out += reventa::cli::CsvField(it == result.end() ? std::string() : CellText(*it)) + ',';
    }
    out += reventa::cli::CsvField(failed ? CellText(result["error"]) : std::string()) + '\n';
    std::cout << out;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc < 2) return Usage();
  const std::string name = argv[1];
  if (name == "--list") {
    for (const Command& c : reventa::cli::Commands()) std::cout << c.name << '\n';
    return 0;
  }
  if (name == "--help" || name == "-h") return Help();
  if (name == "--version") {
    std::cout << "reventa-calc (Reventa 2024) " REVENTA_VERSION "\n";
    return 0;
  }
  const Command* command = reventa::cli::FindCommand(name);
  if (command == nullptr) return Usage();
  bool csv = false;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--csv") == 0) {
      csv = true;
    } else {
      std::cerr << "reventa-calc: unknown option " << argv[i] << '\n';
      return Usage();
    }
  }
  if (csv) {
    RunCsv(*command);
  } else {
    RunJsonLines(*command);
  }
  return 0;
}
