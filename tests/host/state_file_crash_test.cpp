// A process killed in the middle of saving must leave a state file that holds one whole
// state: the one before the save, or the one being saved, never a part or a mixture.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "host/files.h"
#include "tests/host/temp_working_directory.h"

namespace {

namespace fs = std::filesystem;

constexpr int kStateSize = 1 << 20;
constexpr int kKills = 60;

using StateFileCrashTest = TempWorkingDirectoryTest;

// Saves the two states in turn until it is killed.
pid_t StartSaver(const String& first, const String& second) {
  pid_t child = ::fork();
  if (child == 0) {
    for (bool use_first = true;; use_first = !use_first) zu_files_SaveState(use_first ? first : second);
  }
  return child;
}

// Whether `state` is one of the two whole states: all "A" or all "B", at full length.
bool IsOneWholeState(const String& state) {
  if (state.Length() != kStateSize) return false;
  char16_t fill = state.View()[0];
  if (fill != u'A' && fill != u'B') return false;
  return state.View().find_first_not_of(fill) == std::u16string_view::npos;
}

TEST_F(StateFileCrashTest, KilledSaverLeavesOneWholeState) {
  const String all_a(std::u16string(kStateSize, u'A'));
  const String all_b(std::u16string(kStateSize, u'B'));
  ASSERT_EQ(zu_files_SaveState(all_a), 0);

  std::mt19937 random(20141201);
  std::uniform_int_distribution<int> delay_us(0, 40000);
  int killed_while_writing = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    pid_t saver = StartSaver(all_a, all_b);
    ASSERT_GT(saver, 0);
    ::usleep(static_cast<useconds_t>(delay_us(random)));
    ::kill(saver, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(saver, &status, 0), saver);
    ASSERT_TRUE(WIFSIGNALED(status));

    if (fs::exists(".vantorstate.tmp")) ++killed_while_writing;
    String state = zu_files_LoadState();
    ASSERT_TRUE(IsOneWholeState(state)) << "after kill " << kill << ": " << state.Length() << " units";
  }
  // Otherwise the kills never landed inside a save and proved nothing.
  EXPECT_GT(killed_while_writing, 0);
}

}  // namespace
