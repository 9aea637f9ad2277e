#pragma once

#include "calendar/CalendarTypes.h"

namespace zorvan {

// "Today" for the calendar. It reads the local date of the system clock unless a
// test has fixed it.
SolarDate Today();

// Replaces the system clock; nullptr restores it. For tests.
using TodayFunction = SolarDate (*)();
void SetTodayFunction(TodayFunction today);

}  // namespace zorvan
