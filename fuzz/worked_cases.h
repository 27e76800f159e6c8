// SPDX-License-Identifier: GPL-3.0-or-later
// The worked cases that seed the corpora, read from worked_cases.txt.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace reventa::fuzz {

struct WorkedCase {
  std::string command;
  std::string name;
  std::string line;
  friend void PrintTo(const WorkedCase& c, std::ostream* os) { *os << c.command << ' ' << c.name; }
};

// Every case of the file; lines starting with # are notes. Throws on a malformed line.
std::vector<WorkedCase> ReadWorkedCases(const std::string& path);

// Where a case's seeds sit under the corpus folder.
std::string LineSeedPath(const WorkedCase& c);
std::string RecordSeedPath(const WorkedCase& c);

}  // namespace reventa::fuzz
