#include "calendar/Clock.h"

#include <atomic>
#include <ctime>

namespace zorvan {
namespace {

SolarDate SystemToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return SolarDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::atomic<TodayFunction> todayFunction{nullptr};

}  // namespace

SolarDate Today() {
  const TodayFunction today = todayFunction.load();
  return today ? today() : SystemToday();
}

void SetTodayFunction(TodayFunction today) { todayFunction.store(today); }

}  // namespace zorvan
