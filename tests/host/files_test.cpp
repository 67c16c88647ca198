#include "host/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "host/gc.h"
#include "tests/host/temp_working_directory.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::u16string text(const String& s) { return std::u16string(s.View()); }

void WriteFile(const fs::path& path, const std::string& bytes) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

using FilesTest = TempWorkingDirectoryTest;

// --- the virtual path scheme ---

TEST(VirtualPaths, KnownRootsMapToDirectoriesBesideTheWorkingDirectory) {
  EXPECT_EQ(text(zu_files_MapVirtualPath("vantor://data/a.png")), u"./data/a.png");
  EXPECT_EQ(text(zu_files_MapVirtualPath("vantor://internal/x/y.txt")), u"./internal/x/y.txt");
  EXPECT_EQ(text(zu_files_MapVirtualPath("vantor://external/b")), u"./external/b");
  EXPECT_EQ(text(zu_files_MapVirtualPath("vantor://data/")), u"./data/");
}

TEST(VirtualPaths, OtherRootsOfTheSchemeMapToNothing) {
  EXPECT_EQ(text(zu_files_MapVirtualPath("vantor://cache/a.png")), u"");
  EXPECT_EQ(text(zu_files_MapVirtualPath("vantor://data")), u"");
  EXPECT_EQ(text(zu_files_MapVirtualPath("vantor:")), u"");
  EXPECT_EQ(text(zu_files_MapVirtualPath("vantor://Data/a.png")), u"");
}

TEST(VirtualPaths, OtherPathsAreUnchanged) {
  EXPECT_EQ(text(zu_files_MapVirtualPath("data/a.png")), u"data/a.png");
  EXPECT_EQ(text(zu_files_MapVirtualPath("Vantor://data/a.png")), u"Vantor://data/a.png");
  EXPECT_EQ(text(zu_files_MapVirtualPath("/tmp/a")), u"/tmp/a");
  EXPECT_EQ(text(zu_files_MapVirtualPath("")), u"");
}

TEST(FixDataPath, BareNamesGoToTheDataDirectory) {
  EXPECT_EQ(text(zu_data_FixDataPath("a.png")), u"vantor://data/a.png");
  EXPECT_EQ(text(zu_data_FixDataPath("graphics/title.png")), u"vantor://data/graphics/title.png");
  // Its first slash is not the one after ":/", so this is no scheme.
  EXPECT_EQ(text(zu_data_FixDataPath("x/y:/z")), u"vantor://data/x/y:/z");
}

TEST(FixDataPath, SchemeAndExplicitPathsAreUnchanged) {
  EXPECT_EQ(text(zu_data_FixDataPath("./a.png")), u"./a.png");
  EXPECT_EQ(text(zu_data_FixDataPath("/a.png")), u"/a.png");
  EXPECT_EQ(text(zu_data_FixDataPath("vantor://data/a.png")), u"vantor://data/a.png");
}

TEST_F(FilesTest, OpenFileFollowsTheScheme) {
  WriteFile("data/a.png", "data");
  WriteFile("cache/a.png", "cache");
  std::FILE* through_scheme = zu_files_OpenFile("vantor://data/a.png", "rb");
  ASSERT_NE(through_scheme, nullptr);
  char first = 0;
  EXPECT_EQ(std::fread(&first, 1, 1, through_scheme), 1u);
  EXPECT_EQ(first, 'd');
  std::fclose(through_scheme);

  EXPECT_EQ(zu_files_OpenFile("vantor://cache/a.png", "rb"), nullptr);
  std::FILE* plain = zu_files_OpenFile("data/a.png", "rb");
  EXPECT_NE(plain, nullptr);
  if (plain) std::fclose(plain);
}

TEST_F(FilesTest, OpenFileNamesFilesInUtf8) {
  WriteFile("data/caf\xC3\xA9 \xE2\x82\xAC.txt", "x");
  std::FILE* stream = zu_files_OpenFile(String(u"vantor://data/caf\u00E9 \u20AC.txt"), "rb");
  EXPECT_NE(stream, nullptr);
  if (stream) std::fclose(stream);
}

TEST_F(FilesTest, OpenFileRefusesANameWithAnEmbeddedNul) {
  WriteFile("data/a", "x");
  EXPECT_EQ(zu_files_OpenFile(String(u"vantor://data/a\0.png", 20), "rb"), nullptr);
  EXPECT_EQ(zu_files_OpenFile("vantor://data/a", String(u"r\0+", 3)), nullptr);
}

// --- whole-file loading ---

TEST_F(FilesTest, LoadStringOfAMissingFileIsEmpty) {
  EXPECT_EQ(text(zu_files_LoadString("vantor://data/missing.txt")), u"");
}

TEST_F(FilesTest, LoadStringDecodesTheFile) {
  WriteFile("data/t.txt", "\xFE\xFF\0h\0i"s);
  EXPECT_EQ(text(zu_files_LoadString("vantor://data/t.txt")), u"hi");
}

TEST_F(FilesTest, LoadDataOfAMissingFileLeavesTheLengthAlone) {
  int length = -7;
  EXPECT_EQ(zu_files_LoadData("vantor://data/missing.bin", &length), nullptr);
  EXPECT_EQ(length, -7);
}

TEST_F(FilesTest, LoadDataGivesEveryByteAndCountsThemAsOutsideData) {
  for (size_t size : {0u, 1u, 4095u, 4096u, 4097u, 10000u}) {
    SCOPED_TRACE(size);
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 4096);
    WriteFile("data/blob.bin", bytes);

    int before = gc_ext_new_bytes.load();
    int length = -1;
    unsigned char* data = zu_files_LoadData("vantor://data/blob.bin", &length);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(length, static_cast<int>(size));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), bytes);
    EXPECT_EQ(gc_ext_new_bytes.load() - before, static_cast<int>(size));
    std::free(data);
  }
}

// --- the state file ---

TEST_F(FilesTest, NoStateFileLoadsAsEmpty) {
  EXPECT_EQ(text(zu_files_LoadState()), u"");
}

TEST_F(FilesTest, SavingTheEmptyStateLeavesAnEmptyFile) {
  WriteFile(".vantorstate", "old");
  EXPECT_EQ(zu_files_SaveState(String()), 0);
  ASSERT_TRUE(fs::exists(".vantorstate"));
  EXPECT_EQ(fs::file_size(".vantorstate"), 0u);
  EXPECT_EQ(text(zu_files_LoadState()), u"");
}

TEST_F(FilesTest, StateAboveAsciiIsUtf8UnitByUnitAndReadsBackIdentically) {
  String state(u"S=1;\u00E9\u20AC\U0001F600");
  EXPECT_EQ(zu_files_SaveState(state), 0);
  EXPECT_EQ(ReadFile(".vantorstate"), "S=1;\xC3\xA9\xE2\x82\xAC\xED\xA0\xBD\xED\xB8\x80");
  EXPECT_EQ(text(zu_files_LoadState()), text(state));
}

TEST_F(FilesTest, SaveReplacesTheWholeOldStateAndLeavesNoTemporaryFile) {
  EXPECT_EQ(zu_files_SaveState("a much longer old state"), 0);
  EXPECT_EQ(zu_files_SaveState("new"), 0);
  EXPECT_EQ(ReadFile(".vantorstate"), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

TEST_F(FilesTest, SaveInAVanishedDirectoryCannotOpen) {
  fs::create_directory("gone");
  fs::current_path("gone");
  fs::remove(directory_ / "gone");
  EXPECT_EQ(zu_files_SaveState("state"), -1);
}

TEST_F(FilesTest, SaveThatCannotOpenItsTemporaryFileSaysWhyKeepsTheOldStateAndCanRetry) {
  WriteFile(".vantorstate", "old");
  fs::create_directory(".vantorstate.tmp");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(zu_files_SaveState("new"), -1);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "Could not save progress to ./.vantorstate.tmp: Is a directory\n");
  EXPECT_EQ(ReadFile(".vantorstate"), "old");
  fs::remove(".vantorstate.tmp");
  EXPECT_EQ(zu_files_SaveState("new"), 0);
  EXPECT_EQ(ReadFile(".vantorstate"), "new");
}

TEST_F(FilesTest, SaveOverSomethingThatIsNoFileCannotOpenAndCleansUp) {
  fs::create_directory(".vantorstate");
  EXPECT_EQ(zu_files_SaveState("new"), -1);
  EXPECT_TRUE(fs::is_directory(".vantorstate"));
  EXPECT_FALSE(fs::exists(".vantorstate.tmp"));
}

TEST_F(FilesTest, SaveOnAFullDiskIsAShortWriteAndKeepsTheOldState) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full to stand for a full disk";
  for (const std::string& state : {"small"s, std::string(1 << 20, 'n')}) {
    SCOPED_TRACE(state.size());
    WriteFile(".vantorstate", "old");
    fs::create_symlink("/dev/full", ".vantorstate.tmp");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(zu_files_SaveState(String(state.c_str())), -2);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Could not save progress to ./.vantorstate.tmp: No space left on device\n");
    EXPECT_EQ(ReadFile(".vantorstate"), "old");
    EXPECT_FALSE(fs::is_symlink(".vantorstate.tmp"));
  }
}

TEST_F(FilesTest, LoadingRemovesTheTemporaryFileOfASaveCutShort) {
  WriteFile(".vantorstate", "whole");
  WriteFile(".vantorstate.tmp", "half");
  EXPECT_EQ(text(zu_files_LoadState()), u"whole");
  EXPECT_FALSE(fs::exists(".vantorstate.tmp"));
  // Also with no state file yet (the first save was cut short).
  fs::remove(".vantorstate");
  WriteFile(".vantorstate.tmp", "half");
  EXPECT_EQ(text(zu_files_LoadState()), u"");
  EXPECT_FALSE(fs::exists(".vantorstate.tmp"));
}

// --- data and state elsewhere than the working directory ---

// Puts the data folder and the state file back where the other tests expect them.
class ChosenPlacesTest : public FilesTest {
 protected:
  void TearDown() override {
    zu_files_SetDataFolder("./data");
    zu_files_SetStatePath("./.vantorstate");
    FilesTest::TearDown();
  }
};

TEST_F(ChosenPlacesTest, DataPathsLeadToTheChosenFolderAndTheOtherRootsStay) {
  zu_files_SetDataFolder("/usr/share/games/zandrel");
  EXPECT_EQ(text(zu_files_MapVirtualPath("vantor://data/fonts/a.png")),
            u"/usr/share/games/zandrel/fonts/a.png");
  // A UTF-8 folder name, given with its final slash.
  zu_files_SetDataFolder("d\xC3\xA9/");
  EXPECT_EQ(text(zu_files_MapVirtualPath("vantor://data/a")), u"d\u00E9/a");
  EXPECT_EQ(text(zu_files_MapVirtualPath("vantor://internal/b")), u"./internal/b");
}

TEST_F(ChosenPlacesTest, StateLivesAtTheChosenPathWithItsTemporaryFileBesideIt) {
  fs::create_directory("home");
  zu_files_SetStatePath((directory_ / "home" / ".vantorstate").string());
  EXPECT_EQ(zu_files_SaveState("S=1"), 0);
  EXPECT_EQ(ReadFile("home/.vantorstate"), "S=1");
  EXPECT_FALSE(fs::exists(".vantorstate"));
  // The temporary file's place beside the state file is taken: that save cannot happen.
  fs::create_directory("home/.vantorstate.tmp");
  EXPECT_EQ(zu_files_SaveState("S=2"), -1);
  EXPECT_EQ(text(zu_files_LoadState()), u"S=1");
}

TEST_F(ChosenPlacesTest, WithoutAStatePathNothingIsReadOrWritten) {
  WriteFile(".vantorstate", "old");
  zu_files_SetStatePath("");
  EXPECT_EQ(text(zu_files_LoadState()), u"");
  EXPECT_EQ(zu_files_SaveState("new"), 0);
  EXPECT_EQ(ReadFile(".vantorstate"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

}  // namespace
