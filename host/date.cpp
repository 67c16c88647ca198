#include "host/date.h"

#include <algorithm>

void zu_FillDate(const Array<int>& date, const std::tm& local) {
  const int fields[] = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min,         local.tm_sec,     0};
  const int count = std::min(date.Length(), static_cast<int>(std::size(fields)));
  for (int i = 0; i < count; ++i) date[i] = fields[i];
}

// The date is read every update but changes once a second, and localtime_r works out the
// zone's rules afresh at each call (in a browser, through several Date objects).
void zu_GetDate(const Array<int>& date) {
  if (date.Length() < 1) return;
  static std::time_t converted = -1;
  static std::tm local{};
  const std::time_t now = std::time(nullptr);
  if (now != converted) {
    localtime_r(&now, &local);
    converted = now;
  }
  zu_FillDate(date, local);
}
