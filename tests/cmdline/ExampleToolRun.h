// ExampleToolRun.h - runs an example tool as a user runs it, for the tools' tests.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "ChildProcess.h"

// Runs iPath as iName with iArguments, in iDirectory when given and with the file
// iStandardOutput as standard output when given, under a neutral environment:
// "<status>\nout: <standard output>\nerr: <standard error>", or "signal N" when a signal
// ended it.
inline std::string RunExampleTool(const char* iPath, const char* iName,
                                  const std::vector<std::string>& iArguments,
                                  const char* iDirectory = nullptr,
                                  const char* iStandardOutput = nullptr) {
  ChildResult result = RunInChild(
      [&] {
        if (iStandardOutput) {
          int descriptor = open(iStandardOutput, O_WRONLY);
          if (descriptor < 0 || dup2(descriptor, STDOUT_FILENO) < 0) _exit(122);
        }
        std::vector<char*> argv = {const_cast<char*>(iName)};
        for (const std::string& argument : iArguments)
          argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        if (iDirectory && chdir(iDirectory) != 0) _exit(120);
        execv(iPath, argv.data());
        _exit(121);
      },
      {{"PEV_CATALOG_PATH", ""}, {"LC_ALL", nullptr}, {"LC_MESSAGES", nullptr}, {"LANG", "C"}});
  if (!result._Exited) return "signal " + std::to_string(result._Signal);
  return std::to_string(result._ExitStatus) + "\nout: " + result._Stdout +
         "\nerr: " + result._Stderr;
}
