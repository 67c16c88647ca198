// Where the program finds its data and keeps the player's files: the build folder's
// ./data and ./.vantorstate, an installed copy beside the program, or the user's own folders.
#pragma once

#include <string>
#include <vector>

// What the search depends on, read from the process once (tests make their own).
struct ZuEnvironment {
  std::string zandrelData;     // $ZANDREL_DATA
  std::string xdgDataHome;     // $XDG_DATA_HOME
  std::string xdgConfigHome;   // $XDG_CONFIG_HOME
  std::string xdgPicturesDir;  // $XDG_PICTURES_DIR
  std::string home;            // $HOME, else the password database's home
  std::string executable;      // the program's own file, from /proc/self/exe

  static ZuEnvironment FromProcess();
};

struct ZuDataFolderSearch {
  std::string folder;  // empty when none was found
  bool fromWorkingDirectory = false;
  std::vector<std::string> lookedIn;
};

// The first of: `option` (--data); $ZANDREL_DATA; ./data; ../share/games/zandrel beside
// the program's own folder. A folder named by --data or $ZANDREL_DATA is the only place
// looked in: a wrong name there is a mistake to show, not a reason to use other data. The
// other two count only if they hold `marker` (a path inside them): an installed game
// started in a home folder that has a "data" folder of its own must not take that.
ZuDataFolderSearch zu_FindDataFolder(const std::string& option, const std::string& marker,
                                     const ZuEnvironment& env);

// The first of: `option` (--state); ./.vantorstate when the data is ./data;
// $XDG_DATA_HOME/zandrel/.vantorstate (XDG_DATA_HOME defaults to ~/.local/share).
std::string zu_StateFilePath(const std::string& option, bool dataFromWorkingDirectory,
                             const ZuEnvironment& env);
// The folder of the per-user state file, which the program makes if it is missing.
std::string zu_UserStateFolder(const ZuEnvironment& env);

// Makes `folder` and any missing parents, readable by the user alone (mode 0700). Empty
// when the folder exists afterwards, else why not.
std::string zu_MakePrivateFolder(const std::string& folder);

// $XDG_PICTURES_DIR, else XDG_PICTURES_DIR of user-dirs.dirs in the configuration folder,
// else ~/Pictures; followed by /Zandrel.
std::string zu_ScreenshotFolder(const ZuEnvironment& env);
