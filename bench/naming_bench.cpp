// A naming run for 王 and 欧阳, "双字名" and "单字名", 男 and 女, all
// combinations: (a) the whole pipeline from the field values to the last row
// laid out, against (b) SQLite alone producing the same rows from the same
// translated statement. Runs on the generated Zorvan.dll beside the program.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "data/JetSql.h"
#include "data/ReferenceStore.h"
#include "naming/CandidateQuery.h"
#include "naming/Combinations.h"
#include "naming/NamingRun.h"
#include "text/Gbk.h"

namespace {

using namespace zorvan;

struct Case {
  const char* surname;
  int form;  // 0 "双字名", 1 "单字名"
  int sex;   // 0 "男", 1 "女"
};
const Case kCases[] = {{"王", 0, 0},   {"王", 0, 1},   {"王", 1, 0},   {"王", 1, 1},
                       {"欧阳", 0, 0}, {"欧阳", 0, 1}, {"欧阳", 1, 0}, {"欧阳", 1, 1}};

NamingInputs InputsOf(const Case& c) {
  NamingInputs in;
  in.Xing = Gbk(c.surname);
  in.CBXingshi = c.form;
  in.CBsex = c.sex;
  return in;
}

std::shared_ptr<ReferenceConnection> Connection() {
  static auto connection = std::make_shared<ReferenceConnection>(ConnectionStringFor(kNamingDb));
  return connection;
}

// Keeps the laid-out rows, as the window's pane does.
class PaneSink : public NamingSink {
 public:
  void ClearSuccess() override { rows.clear(); }
  void ClearGoodNames() override { good.clear(); }
  void AddSuccessLine(std::string_view gbk) override { rows.emplace_back(gbk); }
  void AddGoodName(std::string_view gbk) override { good.emplace_back(gbk); }
  std::vector<std::string> rows, good;
};

void SetLabel(benchmark::State& state, const Case& c) {
  state.SetLabel(std::string(c.surname) + (c.form == 0 ? " 双字名 " : " 单字名 ") +
                 (c.sex == 0 ? "男" : "女"));
}

void ReportPeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// (a) Field values → combination list → statement → rows read in the
// interleaved order → names placed six to a row.
void BM_WholePipeline(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  size_t names = 0;
  for (auto _ : state) {
    NamingInputs in = InputsOf(c);
    ReferenceStore lookup(Connection());
    CombinationList list = RefreshCombinations(lookup, in);
    in.CBCodeItems = list.items;
    in.CBCode = list.items[0];
    std::atomic<bool> runFlag{false};
    PaneSink sink;
    NamingRun(in, Connection(), runFlag, sink).RunNaming();
    names = sink.rows.size() * 6;  // the last row may be partly filled
    benchmark::DoNotOptimize(sink.rows.data());
  }
  state.counters["rows"] = static_cast<double>(names / 6);
  SetLabel(state, c);
  ReportPeakMemory(state);
}

// (b) The same statement, translated once outside the timing, stepped by
// SQLite alone, every name read as text.
void BM_SqliteAlone(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  NamingInputs in = InputsOf(c);
  ReferenceStore lookup(Connection());
  CombinationList list = RefreshCombinations(lookup, in);
  in.CBCodeItems = list.items;
  in.CBCode = list.items[0];
  std::string sql = TranslateJetSql(GbkToUtf8(BuildCandidateStatement(in).sql));
  sqlite3* db = Connection()->Handle();
  int64_t names = 0;
  for (auto _ : state) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr);
    names = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
      benchmark::DoNotOptimize(sqlite3_column_text(statement, 0));
      benchmark::DoNotOptimize(sqlite3_column_int64(statement, 1));
      ++names;
    }
    sqlite3_finalize(statement);
  }
  state.counters["names"] = static_cast<double>(names);
  SetLabel(state, c);
  ReportPeakMemory(state);
}

BENCHMARK(BM_WholePipeline)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteAlone)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

}  // namespace
BENCHMARK_MAIN();
