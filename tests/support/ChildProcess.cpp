#include "ChildProcess.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>

namespace {

std::string ReadAll(FILE* iFile) {
  std::string content;
  rewind(iFile);
  char buffer[4096];
  std::size_t count;
  while ((count = fread(buffer, 1, sizeof buffer, iFile)) > 0)
    content.append(buffer, count);
  fclose(iFile);
  return content;
}

}  // namespace

ChildResult RunInChild(const std::function<void()>& iBody,
                       const std::vector<std::pair<std::string, const char*>>& iEnvironment) {
  FILE* output = tmpfile();
  FILE* error = tmpfile();
  fflush(stdout);
  fflush(stderr);
  pid_t child = fork();
  if (child == 0) {
    struct rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    dup2(fileno(output), 1);
    dup2(fileno(error), 2);
    for (const auto& variable : iEnvironment) {
      if (variable.second)
        setenv(variable.first.c_str(), variable.second, 1);
      else
        unsetenv(variable.first.c_str());
    }
    iBody();
    fflush(stdout);
    fflush(stderr);
    _exit(0);
  }
  ChildResult result;
  int status = 0;
  waitpid(child, &status, 0);
  result._Exited = WIFEXITED(status);
  if (result._Exited) result._ExitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result._Signal = WTERMSIG(status);
  result._Stdout = ReadAll(output);
  result._Stderr = ReadAll(error);
  return result;
}
