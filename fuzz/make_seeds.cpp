// SPDX-License-Identifier: GPL-3.0-or-later
// make_seeds WORKED_CASES CORPUS DICTIONARY: writes the seed corpora from the
// worked cases, one file per seed: every case to the command-line target, and to
// its command's record target where the record can express it (a case with a key
// the command does not take is a line seed only). The dictionary holds every
// input key as a JSON key, for the command-line target's mutations.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "cli/command.h"
#include "fuzz/input_record.h"
#include "fuzz/worked_cases.h"

namespace {

void Write(const std::filesystem::path& path, const std::string& bytes) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_seeds WORKED_CASES CORPUS DICTIONARY\n");
    return 2;
  }
  try {
    const std::filesystem::path corpus = argv[2];
    for (const auto& c : reventa::fuzz::ReadWorkedCases(argv[1])) {
      const reventa::cli::Command* command = reventa::cli::FindCommand(c.command);
      if (command == nullptr) throw std::runtime_error("no command " + c.command);
      Write(corpus / reventa::fuzz::LineSeedPath(c), reventa::fuzz::EncodeLine(*command, c.line));
      const auto input = reventa::cli::Json::parse(c.line);
      if (const auto bytes = reventa::fuzz::EncodeRecord(*command, input)) {
        Write(corpus / reventa::fuzz::RecordSeedPath(c), *bytes);
      }
    }
    std::set<std::string> keys;
    for (const auto& command : reventa::cli::Commands()) {
      keys.insert(command.inputKeys.begin(), command.inputKeys.end());
    }
    std::string dictionary = "# Every input key of reventa-calc, written by make_seeds.\n";
    for (const std::string& key : keys) dictionary += "\"\\\"" + key + "\\\":\"\n";
    Write(argv[3], dictionary);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}
