// Randomized analyses: argument arrays drawn from option names, near misses and random
// bytes, fed to a command with every option kind, every manager and a converter. Every
// analysis must end with success, or with a failure whose error builds a complete text
// from the shipped catalogs; the option values must respect their declarations.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "CmdLnTestSupport.h"
#include "EveryOptionCommand.h"

namespace {

constexpr int kAnalyses = 20000;

// Words an argument is made of: names, near misses, dashes, texts with separators.
const std::vector<std::string> kWords = {
    "-a", "-b", "-c", "-l",     "-m",  "-p", "-h", "-help", "-?", "-A", "-hel",  "--", "-",  "",
    "-x", "x",  "ab", "abcdef", "n:1", "n:", ":7", "a:b:c", "é",  "-é", "\"q\"", "%1", "a b"};

std::string RandomArgument(std::mt19937& ioRandom) {
  std::uniform_int_distribution<int> kind(0, 9);
  if (kind(ioRandom) > 0) return kWords[ioRandom() % kWords.size()];
  // Random bytes, invalid UTF-8 included, never NUL.
  std::string text;
  int length = (int)(ioRandom() % 12);
  for (int index = 0; index < length; ++index)
    text.push_back((char)(1 + ioRandom() % 255));
  return text;
}

class ORVCmdLnAnalyzerFuzzTest : public CmdLnTest {};

}  // namespace

TEST_F(ORVCmdLnAnalyzerFuzzTest, RandomArgumentArraysEndInSuccessOrADisplayableError) {
  EveryOptionCommand command;
  std::mt19937 random(20240611);
  int successes = 0, failures = 0, helps = 0;
  for (int analysis = 0; analysis < kAnalyses; ++analysis) {
    command.Reset();
    std::vector<std::string> texts;
    // Half of the arrays give the mandatory option first, so that some succeed.
    if (random() % 2) texts.push_back("-m");
    int count = (int)(random() % 9);
    for (int index = 0; index < count; ++index)
      texts.push_back(RandomArgument(random));
    std::vector<const char*> arguments;
    std::string shown;
    for (const std::string& text : texts) {
      arguments.push_back(text.c_str());
      shown += "[" + text + "] ";
    }
    long code = Analyze(command._Analyzer, arguments);
    ++(code == 0 ? successes : code == 1 ? helps : failures);
    ASSERT_EQ(EveryOptionOutcomeProblem(command, code, false), "") << shown;
    PEVError::PEVCleanLastError();
  }
  // The draw reaches every outcome often.
  EXPECT_GT(successes, kAnalyses / 20);
  EXPECT_GT(failures, kAnalyses / 2);
  EXPECT_GT(helps, kAnalyses / 50);
}
