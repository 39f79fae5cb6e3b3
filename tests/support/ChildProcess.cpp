#include "ChildProcess.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>

#include "TemporaryDirectory.h"

#ifdef ORV_COVERAGE_DUMP
// Coverage builds: a child ends by _exit, which does not write the coverage counters.
extern "C" void __gcov_dump(void);
#endif

ChildResult RunInChild(const std::function<void()>& iBody,
                       const std::vector<std::pair<std::string, const char*>>& iEnvironment) {
  FILE* output = tmpfile();
  FILE* error = tmpfile();
  fflush(nullptr);
  pid_t child = fork();
  if (child == 0) {
    struct rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    dup2(fileno(output), 1);
    dup2(fileno(error), 2);
    for (const auto& variable : iEnvironment)
      variable.second ? setenv(variable.first.c_str(), variable.second, 1)
                      : unsetenv(variable.first.c_str());
    iBody();
    fflush(nullptr);
#ifdef ORV_COVERAGE_DUMP
    __gcov_dump();
#endif
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ChildResult result{WIFEXITED(status), WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                     WIFSIGNALED(status) ? WTERMSIG(status) : 0, ReadStream(output),
                     ReadStream(error)};
  fclose(output);
  fclose(error);
  return result;
}
