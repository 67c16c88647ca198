// The program's resource paths: the "vantor://" scheme and the bare names the loaders get.
#include <cstdio>
#include <string>
#include <string_view>

#include "host/files.h"

namespace {

struct VirtualRoot {
  std::u16string_view scheme_prefix;
  std::string directory;
};

VirtualRoot g_virtualRoots[] = {
    {u"vantor://data/", "./data/"},
    {u"vantor://internal/", "./internal/"},
    {u"vantor://external/", "./external/"},
};

// A name with an embedded NUL would silently open a shorter name once it becomes a C
// string, so such names are refused instead.
bool HasEmbeddedNul(const String& text) {
  return text.View().find(u'\0') != std::u16string_view::npos;
}

}  // namespace

String zu_files_FileNameText(const std::string& name) {
  return String::DecodeText(reinterpret_cast<const unsigned char*>(name.data()), name.size());
}

void zu_files_SetDataFolder(const std::string& folder) {
  g_virtualRoots[0].directory = folder.ends_with('/') ? folder : folder + "/";
}

String zu_files_MapVirtualPath(const String& path) {
  std::u16string_view units = path.View();
  for (const VirtualRoot& root : g_virtualRoots) {
    if (units.starts_with(root.scheme_prefix)) {
      return zu_files_FileNameText(root.directory) + path.Slice(static_cast<int>(root.scheme_prefix.size()));
    }
  }
  // Any other root of the scheme names nothing that exists on this platform.
  if (units.starts_with(u"vantor:")) return String();
  return path;
}

std::FILE* zu_files_OpenFile(const String& path, const String& mode) {
  String file_path = zu_files_MapVirtualPath(path);
  if (file_path.IsEmpty() || HasEmbeddedNul(file_path) || HasEmbeddedNul(mode)) return nullptr;
  // Linux file names are bytes; UTF-8 is what the rest of the system expects them to be.
  return std::fopen(file_path.ToUtf8().c_str(), mode.ToUtf8().c_str());
}

String zu_data_FixDataPath(const String& path) {
  // Already a scheme path ("vantor://..."): its first slash is the one after the first ":/".
  int scheme_end = path.Find(String(":/"));
  if (scheme_end >= 0 && path.Find(String("/")) == scheme_end + 1) return path;
  if (path.StartsWith(String("./")) || path.StartsWith(String("/"))) return path;
  return String("vantor://data/") + path;
}
