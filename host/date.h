// The local date and time as the application reads it: year, month 1..12, day, hour,
// minute, second, then 0 for the milliseconds, as far as the array reaches.
#pragma once

#include <ctime>

#include "host/array.h"

// Fills `date` from `local`; elements beyond index 6 are left as they were.
void zu_FillDate(const Array<int>& date, const std::tm& local);

// Reads the local time once and fills `date`; an empty array is left alone.
void zu_GetDate(const Array<int>& date);
