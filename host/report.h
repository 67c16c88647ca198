// The runtime's reporting: standard output lines, the runtime-error stop, and the line
// protocol by which a stopped program talks to a debugger over its standard streams.
#pragma once

#include "host/string.h"

// Writes `text` as UTF-8 and a newline to standard output, and flushes.
void zuPrint(const String& text);
void zuDebugLog(const String& text);
// An empty message ends the program with status 0; any other is a runtime error.
void zuError(const String& message);
int zuDebugStop();
// "Vantor Runtime Error : <text>", then the debugger stop; never returns.
[[noreturn]] void dbg_error(const char* text);
void dbg_stop();
String dbg_stacktrace();
void dbg_print(const String& text);
String dbg_type(bool*);
String dbg_type(int*);
String dbg_type(float*);
String dbg_type(String*);
String dbg_value(bool* value);
String dbg_value(int* value);
String dbg_value(float* value);
String dbg_value(String* value);
// Reports SIGSEGV, SIGILL and SIGFPE as runtime errors.
void sighandler(int signal);
