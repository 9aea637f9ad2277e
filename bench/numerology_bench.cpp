// Cost of the name numerology lookups: every stroke, number and grade lookup opens
// VelFile.dll afresh, so a report costs some 40 queries.

#include <benchmark/benchmark.h>

#include "numerology/Grids.h"
#include "numerology/NameAnalysisReport.h"
#include "numerology/ThreeTalents.h"
#include "text/Gbk.h"

namespace {

using namespace zorvan;

void BM_StrokeCount(benchmark::State& state) {
  const std::string character = Gbk("张");
  for (auto _ : state) benchmark::DoNotOptimize(StrokeCount(character));
}
BENCHMARK(BM_StrokeCount);

void BM_FiveGridsOneAndOne(benchmark::State& state) {  // 6 lookups
  const std::string surname = Gbk("张");
  const std::string given = Gbk("三");
  for (auto _ : state) benchmark::DoNotOptimize(ComputeFiveGrids(surname, given));
}
BENCHMARK(BM_FiveGridsOneAndOne);

void BM_FiveGridsTwoAndTwo(benchmark::State& state) {  // 16 lookups
  const std::string surname = Gbk("欧阳");
  const std::string given = Gbk("子涵");
  for (auto _ : state) benchmark::DoNotOptimize(ComputeFiveGrids(surname, given));
}
BENCHMARK(BM_FiveGridsTwoAndTwo);

void BM_NameScore(benchmark::State& state) {
  const FiveGrids grids{32, 11, 27, 42, 16};
  for (auto _ : state) benchmark::DoNotOptimize(NameScore(grids));
}
BENCHMARK(BM_NameScore);

void BM_WholeReport(benchmark::State& state) {
  const NameAnalysisInputs inputs{Gbk("欧阳"), Gbk("子涵"),  Gbk("男"), "1990", "5",
                                  "20",        Gbk("午 11"), "30",      0};
  for (auto _ : state) benchmark::DoNotOptimize(AnalyseName(inputs, SolarDate{2024, 6, 1}));
}
BENCHMARK(BM_WholeReport);

}  // namespace

BENCHMARK_MAIN();
