// The one state file that keeps the player's progress.
//
// A save never touches the old file until the new content is safely on disk: it is
// written to a temporary file beside it, synced, and renamed over it, so a crash, a kill
// or a full disk in the middle of a save leaves either the old state or the new one.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "host/browser_page.h"
#include "host/files.h"

namespace {

// Where the state is kept; empty: nowhere (saving is off for this run).
std::string& StatePath() {
  static std::string path = "./.vantorstate";
  return path;
}

// A save goes to this file first and is renamed over the state file once whole.
std::string TemporaryStatePath() { return StatePath() + ".tmp"; }

enum SaveResult { kSaved = 0, kCannotOpen = -1, kShortWrite = -2 };

// Filesystems that cannot sync a file say so with these; that is no reason to keep the
// old state.
bool SyncFile(std::FILE* stream) {
  if (::fsync(::fileno(stream)) == 0) return true;
  return errno == EINVAL || errno == ENOTSUP || errno == ENOSYS;
}

// Makes the rename itself durable. Best effort: some systems cannot open directories.
void SyncDirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  int directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (directory < 0) return;
  ::fsync(directory);
  ::close(directory);
}

// Writes every byte and pushes it to the disk; on failure, the errno of the first step
// that failed.
int WriteDurably(std::FILE* stream, const std::string& bytes) {
  int error = 0;
  auto check = [&error](bool ok) {
    if (!ok && error == 0) error = errno != 0 ? errno : EIO;
  };
  errno = 0;
  check(bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size());
  check(std::fflush(stream) == 0);
  if (error == 0) check(SyncFile(stream));
  check(std::fclose(stream) == 0);
  return error;
}

// The player loses progress when a save fails: say where and why.
int ReportFailure(int result, const std::string& path, int error) {
  std::fprintf(stderr, "Could not save progress to %s: %s\n", path.c_str(),
               std::strerror(error != 0 ? error : EIO));
  return result;
}

}  // namespace

void zu_files_SetStatePath(const std::string& path) { StatePath() = path; }

String zu_files_LoadState() {
  if (StatePath().empty()) return String();
  // A save cut short (the program killed, the machine off) leaves its temporary file; the
  // state file itself is still the last whole save.
  ::unlink(TemporaryStatePath().c_str());
  return zu_files_LoadString(zu_files_FileNameText(StatePath()));
}

int zu_files_SaveState(const String& state) {
  // The player was told at start that nothing would be kept.
  if (StatePath().empty()) return kSaved;
  const std::string& statePath = StatePath();
  const std::string temporaryPath = TemporaryStatePath();
  errno = 0;
  std::FILE* stream = zu_files_OpenFile(zu_files_FileNameText(temporaryPath), String("wb"));
  if (!stream) return ReportFailure(kCannotOpen, temporaryPath, errno);

  if (const int error = WriteDurably(stream, state.ToUtf8()); error != 0) {
    std::remove(temporaryPath.c_str());
    return ReportFailure(kShortWrite, temporaryPath, error);
  }
  if (std::rename(temporaryPath.c_str(), statePath.c_str()) != 0) {
    // The state file's place is taken by something we cannot replace (a directory, say).
    const int error = errno;
    std::remove(temporaryPath.c_str());
    return ReportFailure(kCannotOpen, statePath, error);
  }
  SyncDirectoryOf(statePath);
#ifdef __EMSCRIPTEN__
  // The browser's files live in memory: the new state goes on to its lasting storage.
  zu_browser_PersistSaves();
#endif
  return kSaved;
}
