// Runs the built reventa-calc with arguments, feeding it the input through a
// temporary file of its own (tests run in parallel), and returns what it wrote to
// standard output and standard error, and its exit status.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

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

inline std::string RunTool(const std::string& arguments, const std::string& input) {
  return RunToolWithStatus(arguments, input).out;
}

}  // namespace reventa::test
