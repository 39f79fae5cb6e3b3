// ChildProcess.h - runs a piece of test code in a child process and collects what it did.
//
// For the fatal paths, which end the process: the child's standard output and
// standard error are captured separately, with its exit status or signal.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct ChildResult {
  bool _Exited = false;  // ended by exit or _exit
  int _ExitStatus = -1;  // valid when _Exited
  int _Signal = 0;       // the signal that ended it, otherwise
  std::string _Stdout;
  std::string _Stderr;
};

// Runs iBody in a forked child with the given environment changes (a null value
// unsets the variable); a body that returns exits with status 0. Core dumps are off.
ChildResult RunInChild(const std::function<void()>& iBody,
                       const std::vector<std::pair<std::string, const char*>>& iEnvironment = {});
