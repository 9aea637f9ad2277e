#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "naming/CandidateQuery.h"
#include "naming/Combinations.h"
#include "naming/NamePlacer.h"
#include "naming/NamingRun.h"
#include "naming_fixture.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {
namespace {

// Records what a run writes, as UTF-8.
class RecordingSink : public NamingSink {
 public:
  void ClearSuccess() override { log.push_back("clear success"); }
  void ClearGoodNames() override { log.push_back("clear good"); }
  void AddSuccessLine(std::string_view gbk) override {
    rows.push_back(GbkToUtf8(gbk));
    log.push_back("row");
  }
  void AddGoodName(std::string_view gbk) override { good.push_back(GbkToUtf8(gbk)); }
  void Repaint() override { ++repaints; }
  void Finished() override { log.push_back("finished"); }

  std::vector<std::string> rows, good, log;
  int repaints = 0;
};

TEST(NamePlacer, PadsToSixteenBytesAndLaysOutSixARow) {
  EXPECT_EQ(PadToCell(Gbk("王小明(85分)")), Gbk("王小明(85分)") + "    ");    // 12 bytes
  EXPECT_EQ(PadToCell(Gbk("欧阳小明(85分)")), Gbk("欧阳小明(85分)") + "  ");  // 14 bytes
  EXPECT_EQ(PadToCell("0123456789"), "0123456789      ");
  EXPECT_EQ(PadToCell("012345678"), "012345678");  // shorter than 10: as it is
  EXPECT_EQ(PadToCell(Gbk("欧阳小明(100分)") + "x"), Gbk("欧阳小明(100分)") + "x");  // 16 bytes

  RecordingSink sink;
  NamePlacer placer(sink, false, "95");
  placer.HandOver(Gbk("王小明(85分)"));
  placer.HandOver(Gbk(" 欧阳小明(85分) "));
  for (int i = 0; i < 5; ++i) placer.HandOver(Gbk("王一(85分)"));
  EXPECT_TRUE(placer.MemoSuoyou().empty());
  ASSERT_EQ(sink.rows.size(), 1u);
  EXPECT_EQ(sink.rows[0],
            "王小明(85分)    欧阳小明(85分)  王一(85分)      王一(85分)      王一(85分)      "
            "王一(85分)      ");
  placer.Flush();
  ASSERT_EQ(sink.rows.size(), 2u);
  EXPECT_EQ(sink.rows[1], "王一(85分)      ");
  placer.Flush();  // nothing left: no further line
  EXPECT_EQ(sink.rows.size(), 2u);
  EXPECT_TRUE(sink.good.empty());  // auto-pick off
}

TEST(NamePlacer, AutoPickRules) {
  RecordingSink sink;
  NamePlacer placer(sink, true, " 95 ");
  for (const char* name : {"王小明(95分)", "王小明(94分)", "王小明(100分)", "欧阳明(96分)"}) {
    placer.HandOver(Gbk(name));
  }
  EXPECT_EQ(sink.good, (std::vector<std::string>{"王小明(95分)", "王小明(100分)", "欧阳明(96分)"}));

  // A threshold or a score that is not a number fails; the name is not placed.
  for (const char* threshold : {"", "9x"}) {
    RecordingSink failing;
    NamePlacer bad(failing, true, threshold);
    EXPECT_THROW(bad.HandOver(Gbk("王小明(95分)")), ConversionError) << threshold;
  }
  RecordingSink oneDigit;
  NamePlacer placerOneDigit(oneDigit, true, "95");
  EXPECT_THROW(placerOneDigit.HandOver(Gbk("王小明(9分)")), ConversionError);
  placerOneDigit.Flush();
  EXPECT_TRUE(oneDigit.rows.empty());
}

class NamingRunOnFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.Word(1, "王", "王", 4, "土", 900, "姓");
    db_.Word(2, "明", "明", 8, "火", 10, "男");
    db_.Word(3, "昊", "昊", 8, "火", 15, "男");
    db_.Word(4, "佳", "佳", 8, "木", 5, "女");
    db_.Word(5, "健", "健", 11, "木", 30, "男");
    db_.Word(6, "康", "康", 11, "木", 31, "男");
    db_.Word(7, "安", "安", 6, "土", 12, "男");
    db_.Word(8, "吉", "吉", 6, "木", 14, "男");
    db_.Word(9, "辰", "辰", 7, "土", 3, "男");
    db_.Word(10, "言", "言", 7, "金", 4, "男");
    db_.Word(11, "孝", "孝", 7, "水", 60, "男");
    db_.Word(12, "晨", "晨", 11, "金", 20, "0");
  }

  NamingInputs AllOf(std::vector<const char*> entries) {
    NamingInputs in;
    in.Xing = Gbk("王");
    in.CBCode = AutoCombinationItem();
    in.CBCodeItems = {AutoCombinationItem()};
    for (const char* entry : entries) in.CBCodeItems.push_back(Gbk(entry));
    return in;
  }

  RecordingSink Run(const NamingInputs& in) {
    RecordingSink sink;
    NamingRun(in, db_.Connect(), flag_, sink).RunNaming();
    return sink;
  }

  testing::NamingFixtureDb db_;
  std::atomic<bool> flag_{false};
};

TEST_F(NamingRunOnFixture, AllCombinationsListedInKeyOrderWithHighScores) {
  RecordingSink sink = Run(AllOf({"4|8-11(95分)", "4|6-7(90分)"}));
  EXPECT_TRUE(flag_);
  const std::string pad = "    ";
  ASSERT_EQ(sink.rows.size(), 2u);
  EXPECT_EQ(sink.rows[0], "王安辰(90分)" + pad + "王安言(90分)" + pad + "王吉辰(90分)" + pad +
                              "王吉言(90分)" + pad + "王明健(95分)" + pad + "王明康(95分)" + pad);
  EXPECT_EQ(sink.rows[1], "王昊健(95分)" + pad + "王昊康(95分)" + pad + "王安孝(90分)" + pad +
                              "王吉孝(90分)" + pad);
  EXPECT_EQ(sink.good, (std::vector<std::string>{"王明健(95分)", "王明康(95分)", "王昊健(95分)",
                                                 "王昊康(95分)"}));
  EXPECT_EQ(sink.repaints, 1);  // after the first nine of ten names
  EXPECT_EQ(sink.log,
            (std::vector<std::string>{"clear success", "clear good", "row", "row", "finished"}));
}

TEST_F(NamingRunOnFixture, OneCombinationWithElementAndFixedCharacter) {
  NamingInputs in = AllOf({"4|8-11(95分)"});
  in.CBCode = Gbk("4|11-7(88分)");
  in.CBzhishukongz = true;
  in.Gudingzi = Gbk("晨");
  in.CBshui = true;  // only 孝 among the 7-stroke characters
  in.Sorcss = "88";
  RecordingSink sink = Run(in);
  EXPECT_EQ(sink.rows, std::vector<std::string>{"王晨孝(88分)    "});
  EXPECT_EQ(sink.good, std::vector<std::string>{"王晨孝(88分)"});
  EXPECT_EQ(sink.repaints, 0);

  // 单字名 with sex 女: characters for both sexes count; 晨 (0) and 佳 (女).
  in = AllOf({"4|8(90分)", "4|11(85分)"});
  in.CBXingshi = 1;
  in.CBsex = 1;
  in.CBInitFee = false;
  sink = Run(in);
  EXPECT_EQ(sink.rows, std::vector<std::string>{"王佳(90分)      王晨(85分)      "});
  EXPECT_TRUE(sink.good.empty());

  // A fixed character box checked with nothing in it: the slot holds the empty text.
  in = AllOf({"4|8-11(95分)"});
  in.CBzhishukongz = true;
  in.CBdijizi = 1;
  in.CBInitFee = false;
  sink = Run(in);
  EXPECT_EQ(sink.rows, std::vector<std::string>{"王明(95分)      王昊(95分)      "});
}

TEST_F(NamingRunOnFixture, StopEndsTheListingAfterAGroupOfNine) {
  for (int i = 0; i < 30; ++i) {
    db_.Word(100 + i, "字" + std::to_string(i), "", 5, "土", 100 + i, "男");
  }
  db_.Word(200, "甲", "甲", 9, "木", 1, "男");
  db_.Word(201, "乙", "乙", 9, "木", 2, "男");
  // Clearing the flag on the first full row (after six names) stops the
  // reading at the next test point, after the ninth name.
  class StoppingSink : public RecordingSink {
   public:
    explicit StoppingSink(std::atomic<bool>& flag) : flag_(flag) {}
    void AddSuccessLine(std::string_view gbk) override {
      RecordingSink::AddSuccessLine(gbk);
      flag_ = false;
    }
    std::atomic<bool>& flag_;
  } sink(flag_);
  NamingRun(AllOf({"4|5-9(80分)"}), db_.Connect(), flag_, sink).RunNaming();
  ASSERT_EQ(sink.rows.size(), 2u);
  EXPECT_EQ(Gbk(sink.rows[1]).size(), 3 * 16u) << sink.rows[1];  // the flushed row of three
  EXPECT_EQ(sink.log.back(), "finished");
}

TEST_F(NamingRunOnFixture, FailuresEndTheRunSilently) {
  // An entry that does not parse: nothing is read and the high-score list is kept.
  NamingInputs in = AllOf({});
  in.CBCode = Gbk("4|x(90分)");
  RecordingSink sink = Run(in);
  EXPECT_EQ(sink.log, (std::vector<std::string>{"clear success", "finished"}));
  // The run over every entry empties the high-score list before it parses them.
  sink = Run(AllOf({"4|8-11(95分)", "4|x-7(90分)"}));
  EXPECT_EQ(sink.log, (std::vector<std::string>{"clear success", "clear good", "finished"}));

  // An empty threshold with auto-pick on fails at the first name.
  in = AllOf({"4|8-11(95分)", "4|6-7(90分)"});
  in.Sorcss = "";
  sink = Run(in);
  EXPECT_TRUE(sink.rows.empty());
  EXPECT_EQ(sink.log.back(), "finished");

  // No combination at all, or a result of no rows: empty panes, no message.
  sink = Run(AllOf({}));
  EXPECT_TRUE(sink.rows.empty());
  sink = Run(AllOf({"4|20-20(90分)"}));
  EXPECT_TRUE(sink.rows.empty());
  EXPECT_EQ(sink.log.back(), "finished");

  // A connection to a file that is not there: the worker ends at once.
  std::vector<NamingEvent> events;
  NamingEventBatcher batcher([&](std::vector<NamingEvent> batch) {
    events.insert(events.end(), batch.begin(), batch.end());
  });
  TMythread(in, "Data Source=/nonexistent/Zorvan.dll;", flag_, batcher).WaitFor();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, NamingEvent::Kind::Finished);
}

TEST_F(NamingRunOnFixture, WorkerDeliversBatchesInOrder) {
  std::mutex mutex;
  std::vector<NamingEvent> events;
  int batches = 0;
  NamingEventBatcher batcher(
      [&](std::vector<NamingEvent> batch) {
        std::lock_guard lock(mutex);
        ++batches;
        events.insert(events.end(), batch.begin(), batch.end());
      },
      std::chrono::milliseconds(0));
  {
    TMythread worker(AllOf({"4|8-11(95分)", "4|6-7(90分)"}), db_.ConnectionString(), flag_,
                     batcher);
  }  // destroying the worker waits for its end
  std::lock_guard lock(mutex);
  EXPECT_EQ(batches, 2);  // at the repaint after nine names, and at the end
  std::vector<NamingEvent::Kind> kinds;
  for (const NamingEvent& e : events) kinds.push_back(e.kind);
  using K = NamingEvent::Kind;
  EXPECT_EQ(kinds, (std::vector<K>{K::ClearSuccess, K::ClearGoodNames, K::GoodName, K::GoodName,
                                   K::SuccessLine, K::GoodName, K::GoodName, K::SuccessLine,
                                   K::Finished}));
}

}  // namespace
}  // namespace zorvan
