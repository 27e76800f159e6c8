// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built reventa-calc with arguments, feeding it the input through a
// temporary file of its own (tests run in parallel), and returns what it wrote to
// standard output and standard error, and its exit status.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace reventa::test {

struct ToolRun {
  std::string out;
  int status = -1;
};

inline ToolRun RunToolWithStatus(const std::string& arguments, const std::string& input) {
  ToolRun run;
  char path[] = "/tmp/reventa_cli_testXXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return run;
  close(fd);
  std::ofstream(path) << input;
  const std::string command =
      std::string(REVENTA_CALC_PATH) + " " + arguments + " < " + path + " 2>&1";
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::remove(path);
  return run;
}

// The lines of a text, without their line breaks.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

inline std::string RunTool(const std::string& arguments, const std::string& input) {
  return RunToolWithStatus(arguments, input).out;
}

// One input line through the tool: its single result object, or a text saying
// the tool did not answer with exactly one line.
inline nlohmann::json RunLine(const std::string& arguments, const std::string& line) {
  const std::vector<std::string> lines = Lines(RunTool(arguments, line + "\n"));
  return lines.size() == 1 ? nlohmann::json::parse(lines[0], nullptr, false)
                           : nlohmann::json("no single line");
}

}  // namespace reventa::test
