#include "host/file_locations.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/host/temp_working_directory.h"

namespace {

namespace fs = std::filesystem;
using Places = std::vector<std::string>;

class FileLocations : public TempWorkingDirectoryTest {
 protected:
  void SetUp() override {
    TempWorkingDirectoryTest::SetUp();
    root_ = directory_.string();
    // An installed program: <root>/usr/games/zandrel with its data beside it.
    env_.executable = root_ + "/usr/games/zandrel";
    env_.home = root_ + "/home";
    installed_ = root_ + "/usr/share/games/zandrel";
  }

  std::string root_;
  std::string installed_;
  ZuEnvironment env_;
};

constexpr const char* kMarker = "fonts/f.png";

void MakeDataFolder(const std::string& folder) {
  fs::create_directories(folder + "/fonts");
  std::ofstream(folder + "/" + kMarker) << "x";
}

TEST_F(FileLocations, DataSearchTakesTheFirstOfOptionVariableWorkingFolderAndInstalled) {
  for (const char* folder : {"opt", "var", "data"}) MakeDataFolder(folder);
  MakeDataFolder(installed_);
  env_.zandrelData = "var";

  ZuDataFolderSearch search = zu_FindDataFolder("opt", kMarker, env_);
  EXPECT_EQ(search.folder, "opt");
  EXPECT_FALSE(search.fromWorkingDirectory);

  search = zu_FindDataFolder("", kMarker, env_);
  EXPECT_EQ(search.folder, "var");
  EXPECT_FALSE(search.fromWorkingDirectory);

  env_.zandrelData = "";
  search = zu_FindDataFolder("", kMarker, env_);
  EXPECT_EQ(search.folder, "./data");
  EXPECT_TRUE(search.fromWorkingDirectory);

  // A "data" folder that holds something else (in a home folder, say) is passed over.
  fs::remove("data/" + std::string(kMarker));
  search = zu_FindDataFolder("", kMarker, env_);
  EXPECT_EQ(search.folder, installed_);
  EXPECT_FALSE(search.fromWorkingDirectory);
  EXPECT_EQ(search.lookedIn, (Places{"./data", installed_}));

  fs::remove(installed_ + "/" + kMarker);
  EXPECT_EQ(zu_FindDataFolder("", kMarker, env_).folder, "");
}

TEST_F(FileLocations, ANamedDataFolderThatIsMissingIsTheOnlyPlaceLookedIn) {
  MakeDataFolder("data");
  std::ofstream("file") << "x";
  env_.zandrelData = "file";  // not a folder
  ZuDataFolderSearch search = zu_FindDataFolder("", kMarker, env_);
  EXPECT_EQ(search.folder, "");
  EXPECT_EQ(search.lookedIn, Places{"file"});

  search = zu_FindDataFolder("missing", kMarker, env_);
  EXPECT_EQ(search.folder, "");
  EXPECT_EQ(search.lookedIn, Places{"missing"});
}

TEST_F(FileLocations, NoDataAnywhereNamesEveryPlaceLookedIn) {
  env_.executable = "/opt/x/bin/../games/zandrel";
  const ZuDataFolderSearch search = zu_FindDataFolder("", kMarker, env_);
  EXPECT_EQ(search.folder, "");
  EXPECT_EQ(search.lookedIn, (Places{"./data", "/opt/x/share/games/zandrel"}));
}

TEST_F(FileLocations, StateFileIsTheOptionThenBesideWorkingDataThenTheUsersDataFolder) {
  EXPECT_EQ(zu_StateFilePath("s", true, env_), "s");
  EXPECT_EQ(zu_StateFilePath("", true, env_), "./.vantorstate");
  EXPECT_EQ(zu_StateFilePath("", false, env_), root_ + "/home/.local/share/zandrel/.vantorstate");
  env_.xdgDataHome = "/xdg";
  EXPECT_EQ(zu_StateFilePath("", false, env_), "/xdg/zandrel/.vantorstate");
  // A relative XDG_DATA_HOME is invalid and ignored.
  env_.xdgDataHome = "xdg";
  EXPECT_EQ(zu_StateFilePath("", false, env_), root_ + "/home/.local/share/zandrel/.vantorstate");
}

TEST_F(FileLocations, PrivateFolderIsMadeWithItsParentsForTheUserAlone) {
  const std::string folder = root_ + "/home/.local/share/zandrel";
  EXPECT_EQ(zu_MakePrivateFolder(folder), "");
  for (const std::string& made : {folder, root_ + "/home/.local", root_ + "/home"}) {
    struct stat info {};
    ASSERT_EQ(::stat(made.c_str(), &info), 0) << made;
    EXPECT_EQ(info.st_mode & 0777, 0700u) << made;
  }
  // Again: it exists, which is fine.
  EXPECT_EQ(zu_MakePrivateFolder(folder), "");
}

TEST_F(FileLocations, PrivateFolderThatCannotBeMadeSaysWhy) {
  std::ofstream("plain") << "x";
  EXPECT_EQ(zu_MakePrivateFolder("plain/zandrel"), "Not a directory");
  EXPECT_EQ(zu_MakePrivateFolder("plain"), "Not a directory");
}

TEST_F(FileLocations, ScreenshotsGoToThePicturesFolderFromVariableUserDirsOrHome) {
  EXPECT_EQ(zu_ScreenshotFolder(env_), root_ + "/home/Pictures/Zandrel");

  fs::create_directories(root_ + "/home/.config");
  std::ofstream(root_ + "/home/.config/user-dirs.dirs")
      << "# written by xdg-user-dirs-update\n"
      << "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
      << "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
  EXPECT_EQ(zu_ScreenshotFolder(env_), root_ + "/home/Bilder/Zandrel");

  env_.xdgPicturesDir = "/pics";
  EXPECT_EQ(zu_ScreenshotFolder(env_), "/pics/Zandrel");
}

}  // namespace
