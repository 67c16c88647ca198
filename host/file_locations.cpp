#include "host/file_locations.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

bool IsFolder(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_directory(path, error);
}

// The XDG base-directory rule: a variable that is unset, empty or relative is ignored.
std::string XdgFolder(const std::string& variable, const std::string& home,
                      const char* fallback) {
  if (IsAbsolute(variable)) return variable;
  return home + fallback;
}

// XDG_PICTURES_DIR="$HOME/Pictures" in user-dirs.dirs: a quoted path, absolute or
// starting with $HOME.
std::string PicturesFolderFromUserDirs(const std::string& file, const std::string& home) {
  std::ifstream in(file);
  std::string line;
  const std::string key = "XDG_PICTURES_DIR=\"";
  while (std::getline(in, line)) {
    if (!line.starts_with(key) || !line.ends_with('"')) continue;
    std::string value = line.substr(key.size(), line.size() - key.size() - 1);
    if (value.starts_with("$HOME")) value = home + value.substr(5);
    if (IsAbsolute(value)) return value;
  }
  return "";
}

}  // namespace

ZuEnvironment ZuEnvironment::FromProcess() {
  ZuEnvironment env;
  env.zandrelData = Variable("ZANDREL_DATA");
  env.xdgDataHome = Variable("XDG_DATA_HOME");
  env.xdgConfigHome = Variable("XDG_CONFIG_HOME");
  env.xdgPicturesDir = Variable("XDG_PICTURES_DIR");
  env.home = Variable("HOME");
  if (env.home.empty()) {
    if (const passwd* user = ::getpwuid(::getuid())) env.home = user->pw_dir;
  }
  std::error_code error;
  env.executable = fs::read_symlink("/proc/self/exe", error).string();
  return env;
}

ZuDataFolderSearch zu_FindDataFolder(const std::string& option, const std::string& marker,
                                     const ZuEnvironment& env) {
  ZuDataFolderSearch search;
  const std::string chosen = !option.empty() ? option : env.zandrelData;
  if (!chosen.empty()) {
    search.lookedIn = {chosen};
    if (IsFolder(chosen)) search.folder = chosen;
    return search;
  }

  const auto holdsData = [&marker](const std::string& folder) {
    std::error_code error;
    return IsFolder(folder) && fs::exists(folder + "/" + marker, error);
  };
  search.lookedIn.push_back("./data");
  if (holdsData("./data")) {
    search.folder = "./data";
    search.fromWorkingDirectory = true;
    return search;
  }
  if (!env.executable.empty()) {
    // <prefix>/games/zandrel reads <prefix>/share/games/zandrel, whatever the prefix.
    const fs::path installed =
        (fs::path(env.executable).parent_path() / ".." / "share" / "games" / "zandrel")
            .lexically_normal();
    search.lookedIn.push_back(installed.string());
    if (holdsData(installed.string())) search.folder = installed.string();
  }
  return search;
}

std::string zu_UserStateFolder(const ZuEnvironment& env) {
  return XdgFolder(env.xdgDataHome, env.home, "/.local/share") + "/zandrel";
}

std::string zu_StateFilePath(const std::string& option, bool dataFromWorkingDirectory,
                             const ZuEnvironment& env) {
  if (!option.empty()) return option;
  if (dataFromWorkingDirectory) return "./.vantorstate";
  return zu_UserStateFolder(env) + "/.vantorstate";
}

std::string zu_MakePrivateFolder(const std::string& folder) {
  std::string made;
  for (const fs::path& part : fs::path(folder)) {
    made = (made.empty() ? part : fs::path(made) / part).string();
    if (made == "/" || ::mkdir(made.c_str(), 0700) == 0 || errno == EEXIST) continue;
    return std::string(std::strerror(errno));
  }
  if (!IsFolder(folder)) return std::string(std::strerror(ENOTDIR));
  return "";
}

std::string zu_ScreenshotFolder(const ZuEnvironment& env) {
  std::string pictures = IsAbsolute(env.xdgPicturesDir) ? env.xdgPicturesDir : "";
  if (pictures.empty()) {
    const std::string config = XdgFolder(env.xdgConfigHome, env.home, "/.config");
    pictures = PicturesFolderFromUserDirs(config + "/user-dirs.dirs", env.home);
  }
  if (pictures.empty()) pictures = env.home + "/Pictures";
  return pictures + "/Zandrel";
}
