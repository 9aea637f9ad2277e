#include <benchmark/benchmark.h>

#include <cstdint>

#include "calendar/CalendarAnnotations.h"
#include "calendar/LunarCalendar.h"
#include "calendar/SolarDays.h"

namespace {

using zorvan::DateFromDayNumber;
using zorvan::DayNumber;

// Every day from lunar 1901-01-01 to the end of the table, to lunar and back.
void BM_ConvertEveryDayBothWays(benchmark::State& state) {
  const std::int64_t first = DayNumber({1901, 2, 19});
  const std::int64_t last = DayNumber({2100, 12, 31});
  for (auto _ : state) {
    for (std::int64_t n = first; n <= last; ++n) {
      const zorvan::LunarDate lunar = zorvan::SolarToLunar(DateFromDayNumber(n));
      benchmark::DoNotOptimize(zorvan::LunarToSolar(lunar));
    }
  }
  state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_ConvertEveryDayBothWays)->Unit(benchmark::kMillisecond);

// The perpetual calendar's month code of every day 1901-2050.
void BM_MonthDayCodeEveryDay(benchmark::State& state) {
  const std::int64_t first = DayNumber({1901, 1, 1});
  const std::int64_t last = DayNumber({2050, 12, 31});
  for (auto _ : state) {
    for (std::int64_t n = first; n <= last; ++n) {
      benchmark::DoNotOptimize(zorvan::LunarMonthDayCode(DateFromDayNumber(n)));
    }
  }
  state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_MonthDayCodeEveryDay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
