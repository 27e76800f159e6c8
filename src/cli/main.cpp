// SPDX-License-Identifier: GPL-3.0-or-later
// reventa-calc NAME [--csv]: runs one calculator on every line (or CSV row) of
// standard input and writes one result per line (or row) to standard output.
// --list, --help and --version answer without reading standard input.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "cli/batch.h"
#include "cli/command.h"
#include "cli/stream_io.h"
#include "taxyear/line_reader.h"

namespace {

using reventa::cli::Command;

int Usage() {
  std::cerr << "usage: reventa-calc NAME [--csv]    (reventa-calc --list prints the names)\n"
               "names:\n";
  for (const Command& c : reventa::cli::Commands()) std::cerr << "  " << c.name << '\n';
  return reventa::cli::ExitUsage;
}

void Help() {
  std::cout << "usage: reventa-calc NAME [--csv]\n"
               "       reventa-calc --list | --help | --version\n"
               "\n"
               "Runs one Reventa 2024 calculator on every line of standard input: each line\n"
               "is a JSON object of input keys, and each answer is one JSON object of result\n"
               "keys on standard output, in the same order. A bad line gives {\"error\": ...}\n"
               "and the run goes on. Blank lines are skipped.\n"
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
               "exit status:\n"
               "  0  the input was read to its end (lines with errors included)\n"
               "  2  an unknown or missing NAME, or an unknown option\n"
               "  3  standard input could not be read or standard output could not be written\n"
               "  4  the CSV header cannot be used (a column named twice, a quote not closed)\n"
               "\n"
               "example:\n"
               "  echo '{\"TaxableIncome\":500000,\"QuickAge\":40}' | reventa-calc quicktax\n"
               "\n"
               "The input and result keys of every calculator are listed in reventa-calc(1).\n";
}

int WriteFailed(int error) {
  std::fprintf(stderr, "reventa-calc: cannot write the results: %s\n", std::strerror(error));
  return reventa::cli::ExitInputOutput;
}

// The end of a run that wrote through std::cout.
int CoutStatus() {
  std::cout.flush();
  if (!std::cout) {
    std::fprintf(stderr, "reventa-calc: cannot write to standard output\n");
    return reventa::cli::ExitInputOutput;
  }
  return reventa::cli::ExitDone;
}

int Run(const Command& command, bool csv) {
  reventa::cli::Output out(STDOUT_FILENO);
  // Answers go out whenever the input has nothing more waiting.
  reventa::LineReader in(STDIN_FILENO, [&out] {
    if (!out.Buffer().empty()) out.Flush();
  });
  int status = reventa::cli::ExitDone;
  if (csv) {
    status = reventa::cli::RunCsv(command, in, out);
  } else {
    reventa::cli::RunJsonLines(command, in, out);
  }
  if (!out.Flush()) return WriteFailed(out.Error());
  if (in.Error() != 0) {
    std::fprintf(stderr, "reventa-calc: cannot read the input: %s\n", std::strerror(in.Error()));
    return reventa::cli::ExitInputOutput;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc < 2) return Usage();
  const std::string name = argv[1];
  if (name == "--list") {
    for (const Command& c : reventa::cli::Commands()) std::cout << c.name << '\n';
    return CoutStatus();
  }
  if (name == "--help" || name == "-h") {
    Help();
    return CoutStatus();
  }
  if (name == "--version") {
    std::cout << "reventa-calc (Reventa 2024) " REVENTA_VERSION "\n";
    return CoutStatus();
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
  return Run(*command, csv);
}
