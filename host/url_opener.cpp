#include "host/url_opener.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

std::string zu_NarrowUrl(const String& url) { return url.ToNarrow(); }

namespace {

// Runs in the grandchild, between fork and exec: only async-signal-safe calls.
[[noreturn]] void ExecDetached(int devNull, char* const* argv) {
  if (devNull >= 0) {
    // The game's standard input carries the debugger protocol and its standard output the
    // game's own lines: the browser gets neither.
    ::dup2(devNull, STDIN_FILENO);
    ::dup2(devNull, STDOUT_FILENO);
  }
  ::setsid();
  ::execvp(argv[0], argv);
  ::_exit(127);
}

}  // namespace

bool zu_SpawnDetached(const std::string& command, const std::vector<std::string>& arguments) {
  // Everything the forked processes need is prepared before forking.
  std::vector<std::string> owned;
  owned.reserve(arguments.size() + 1);
  owned.push_back(command);
  owned.insert(owned.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& item : owned) argv.push_back(item.data());
  argv.push_back(nullptr);
  const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);

  // A double fork: the intermediate child ends at once, so the game reaps it without
  // waiting, and the opener is adopted by init instead of becoming our zombie.
  const pid_t child = ::fork();
  if (child == 0) {
    const pid_t grandchild = ::fork();
    if (grandchild == 0) ExecDetached(devNull, argv.data());
    ::_exit(grandchild < 0 ? 1 : 0);
  }
  if (devNull >= 0) ::close(devNull);
  if (child < 0) return false;

  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void zu_OpenUrl(const String& url) { zu_SpawnDetached("xdg-open", {zu_NarrowUrl(url)}); }
