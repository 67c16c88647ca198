// The one state file that keeps the player's progress.
//
// A save never touches the old file until the new content is safely on disk: it is
// written to a temporary file beside it, synced, and renamed over it, so a crash, a kill
// or a full disk in the middle of a save leaves either the old state or the new one.
#include <cerrno>
#include <cstdio>
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

std::string TemporaryStatePath() { return StatePath() + ".tmp"; }

enum SaveResult { kSaved = 0, kCannotOpen = -1, kShortWrite = -2 };

// Filesystems that cannot sync a file say so with these; that is no reason to keep the
// old state.
bool SyncFile(std::FILE* stream) {
  if (::fsync(::fileno(stream)) == 0) return true;
  return errno == EINVAL || errno == ENOTSUP || errno == ENOSYS;
}

// Makes the rename itself durable. Best effort: some systems cannot open directories.
void SyncStateFolder() {
  const std::string::size_type slash = StatePath().rfind('/');
  const std::string folder = slash == std::string::npos ? "." : StatePath().substr(0, slash + 1);
  int directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (directory < 0) return;
  ::fsync(directory);
  ::close(directory);
}

// Writes every byte and pushes it to the disk; false if any of that fails.
bool WriteDurably(std::FILE* stream, const std::string& bytes) {
  bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
  bool flushed = std::fflush(stream) == 0;
  bool synced = written && flushed && SyncFile(stream);
  bool closed = std::fclose(stream) == 0;
  return written && flushed && synced && closed;
}

}  // namespace

void zu_files_SetStatePath(const std::string& path) { StatePath() = path; }

String zu_files_LoadState() {
  if (StatePath().empty()) return String();
  return zu_files_LoadString(zu_files_FileNameText(StatePath()));
}

int zu_files_SaveState(const String& state) {
  // The player was told at start that nothing would be kept.
  if (StatePath().empty()) return kSaved;
  const std::string temporaryPath = TemporaryStatePath();
  std::FILE* stream = zu_files_OpenFile(zu_files_FileNameText(temporaryPath), String("wb"));
  if (!stream) return kCannotOpen;

  if (!WriteDurably(stream, state.ToUtf8())) {
    std::remove(temporaryPath.c_str());
    return kShortWrite;
  }
  if (std::rename(temporaryPath.c_str(), StatePath().c_str()) != 0) {
    // The state file's place is taken by something we cannot replace (a directory, say).
    std::remove(temporaryPath.c_str());
    return kCannotOpen;
  }
  SyncStateFolder();
#ifdef __EMSCRIPTEN__
  // The browser's files live in memory: the new state goes on to its lasting storage.
  zu_browser_PersistSaves();
#endif
  return kSaved;
}
