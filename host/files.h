// Files, paths and the saved state. The host object's file operations forward here.
#pragma once

#include <cstdio>
#include <string>

#include "host/string.h"

// "vantor://data/x" -> "./data/x" (or the data folder chosen at start; also internal/ and
// external/); any other "vantor:" path -> "" (unopenable); every other path unchanged.
String zu_files_MapVirtualPath(const String& path);
// A UTF-8 file name as the program's text.
String zu_files_FileNameText(const std::string& name);
// Where "vantor://data/" leads from now on; "./data" until set.
void zu_files_SetDataFolder(const std::string& folder);
// Opens a mapped path (UTF-8 file name); null when it cannot be opened.
std::FILE* zu_files_OpenFile(const String& path, const String& mode);
// Whole file as text, decoded by its byte-order mark; "" when it cannot be opened.
String zu_files_LoadString(const String& path);
// Whole file as bytes from the system allocator (caller frees with std::free); null when
// it cannot be opened, `length` then untouched. Raises the collector's outside-data count.
unsigned char* zu_files_LoadData(const String& path, int* length);

// The state file, "./.vantorstate" (in the working directory) until set otherwise. An empty
// path keeps nothing: the state loads as empty and saving does nothing.
void zu_files_SetStatePath(const std::string& path);
// Loading also removes the temporary file a save cut short may have left beside it.
String zu_files_LoadState();
// 0 on success, -1 when the file cannot be opened for writing (or renamed into place), -2
// when not every byte reached the disk; a failure is also reported on standard error with
// its reason. The old content stays whole until the new content is safely on disk.
int zu_files_SaveState(const String& state);

// "a.png" -> "vantor://data/a.png"; scheme paths and "./", "/" paths unchanged.
String zu_data_FixDataPath(const String& path);
