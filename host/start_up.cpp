#include "host/start_up.h"

#include <cstdio>
#include <filesystem>

#include "host/command_line.h"
#include "host/files.h"
#include "host/glfw_game.h"
#include "stb_image.h"

namespace {

constexpr int kStatusMissingData = 1;
constexpr int kStatusUsage = 2;

std::string Joined(const std::vector<std::string>& places) {
  std::string text;
  for (const std::string& place : places) text += (text.empty() ? "" : ", ") + place;
  return text;
}

// Why an image cannot be loaded, or empty when it can.
std::string ImageProblem(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return "no such file";
  int width, height, channels;
  if (!stbi_info(path.c_str(), &width, &height, &channels)) return "not a readable image";
  return "";
}

// The state file's place; empty when the user's folder for it cannot be made.
std::string PrepareStateFile(const ZuCommandLine& line, bool dataFromWorkingDirectory,
                             const ZuEnvironment& env) {
  const std::string path = zu_StateFilePath(line.stateFile, dataFromWorkingDirectory, env);
  if (!line.stateFile.empty() || dataFromWorkingDirectory) return path;
  const std::string folder = zu_UserStateFolder(env);
  const std::string problem = zu_MakePrivateFolder(folder);
  if (problem.empty()) return path;
  std::fprintf(stderr, "zandrel: cannot make the folder %s for saved progress (%s); "
               "playing on without saving\n", folder.c_str(), problem.c_str());
  return "";
}

}  // namespace

std::optional<int> zu_PrepareStart(int argc, const char* const* argv,
                                   const std::vector<std::string>& fontImages,
                                   const ZuEnvironment& env) {
  const ZuCommandLine line = zu_ParseCommandLine(argc, argv);
  switch (line.action) {
    case ZuCommandLine::Action::kHelp:
      std::fputs(ZU_USAGE, stdout);
      return 0;
    case ZuCommandLine::Action::kVersion:
      std::fputs(ZU_VERSION_TEXT, stdout);
      return 0;
    case ZuCommandLine::Action::kUsageError:
      std::fprintf(stderr, "zandrel: %s\n%s", line.error.c_str(), ZU_USAGE);
      return kStatusUsage;
    case ZuCommandLine::Action::kRun:
      break;
  }

  const std::string marker = fontImages.empty() ? "" : fontImages.front();
  const ZuDataFolderSearch data = zu_FindDataFolder(line.dataFolder, marker, env);
  if (data.folder.empty()) {
    std::fprintf(stderr, "zandrel: no data folder found (looked in %s)\n",
                 Joined(data.lookedIn).c_str());
    return kStatusMissingData;
  }
  for (const std::string& font : fontImages) {
    const std::string path = data.folder + "/" + font;
    const std::string problem = ImageProblem(path);
    if (problem.empty()) continue;
    std::fprintf(stderr, "zandrel: cannot load the font %s (%s)\n", path.c_str(),
                 problem.c_str());
    return kStatusMissingData;
  }

  zu_files_SetDataFolder(data.folder);
  zu_files_SetStatePath(PrepareStateFile(line, data.fromWorkingDirectory, env));
  ZuGlfwGame::_startFullscreen = line.window == ZuCommandLine::Window::kFullscreen ||
                                 (line.couch && line.window != ZuCommandLine::Window::kWindowed);
  ZuGlfwGame::_couchMode = line.couch;
  return std::nullopt;
}
