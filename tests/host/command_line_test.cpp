#include "host/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Action = ZuCommandLine::Action;
using Window = ZuCommandLine::Window;

ZuCommandLine Parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "zandrel");
  return zu_ParseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLine, NoArgumentsChangeNothing) {
  const ZuCommandLine line = Parse({});
  EXPECT_EQ(line.action, Action::kRun);
  EXPECT_EQ(line.window, Window::kAsAlways);
  EXPECT_EQ(line.dataFolder, "");
  EXPECT_EQ(line.stateFile, "");
}

TEST(CommandLine, ValuesComeAsTheNextArgumentOrAfterAnEqualsSign) {
  ZuCommandLine line = Parse({"--data", "/d", "--state=/s/x"});
  EXPECT_EQ(line.action, Action::kRun);
  EXPECT_EQ(line.dataFolder, "/d");
  EXPECT_EQ(line.stateFile, "/s/x");
  // A value may itself contain "=" or look like an option.
  line = Parse({"--data=a=b", "--state", "--help"});
  EXPECT_EQ(line.dataFolder, "a=b");
  EXPECT_EQ(line.stateFile, "--help");
  EXPECT_EQ(line.action, Action::kRun);
}

TEST(CommandLine, TheLastWindowChoiceWins) {
  EXPECT_EQ(Parse({"--fullscreen"}).window, Window::kFullscreen);
  EXPECT_EQ(Parse({"--fullscreen", "--windowed"}).window, Window::kWindowed);
  EXPECT_EQ(Parse({"--windowed", "--fullscreen"}).window, Window::kFullscreen);
}

TEST(CommandLine, HelpWinsOverVersionWhereverItStands) {
  EXPECT_EQ(Parse({"--version"}).action, Action::kVersion);
  EXPECT_EQ(Parse({"--help", "--version"}).action, Action::kHelp);
  EXPECT_EQ(Parse({"--version", "--fullscreen", "--help"}).action, Action::kHelp);
}

TEST(CommandLine, MistakesAreUsageErrorsNamingTheArgument) {
  const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
      {{"--data"}, "option '--data' needs a value"},
      {{"--fullscreen", "--state"}, "option '--state' needs a value"},
      {{"--data="}, "option '--data' needs a value"},
      {{"--fullscreen=yes"}, "option '--fullscreen' takes no value"},
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"-h"}, "unknown option '-h'"},
      {{"games"}, "unknown option 'games'"},
      // A mistake ends the reading, even before a later --help.
      {{"--data", "/d", "--x=1", "--help"}, "unknown option '--x=1'"},
  };
  for (const auto& [arguments, error] : cases) {
    SCOPED_TRACE(error);
    const ZuCommandLine line = Parse(arguments);
    EXPECT_EQ(line.action, Action::kUsageError);
    EXPECT_EQ(line.error, error);
  }
}

}  // namespace
