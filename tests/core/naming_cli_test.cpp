#include <gtest/gtest.h>

#include <sstream>

#include "commands/Command.h"
#include "data/ReferenceStore.h"
#include "naming_fixture.h"

namespace zorvan {
namespace {

class NamingCli : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.Word(1, "王", "王", 4, "土", 900, "姓");
    db_.Word(2, "明", "明", 8, "火", 10, "男");
    db_.Word(3, "佳", "佳", 8, "木", 5, "女");
    db_.Word(4, "健", "健", 11, "木", 30, "男");
    db_.Word(5, "晨", "晨", 11, "金", 20, "0");
    db_.Combo(12, 4, 0, 8, 11, 95, "0", 1);
    db_.Combo(12, 4, 0, 8, 8, 88, "0", 2);
    db_.Combo(11, 4, 0, 8, 0, 90, "0", 1);
    previous_ = ProgramDirectory();
    SetProgramDirectory(db_.File().parent_path().string());
  }
  void TearDown() override { SetProgramDirectory(previous_); }

  std::string Run(std::vector<std::string> args, int expectedCode = 0) {
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunCli(args, out, err), expectedCode) << err.str();
    return expectedCode == 0 ? out.str() : err.str();
  }

  testing::NamingFixtureDb db_;
  std::string previous_;
};

TEST_F(NamingCli, CombosListsTheEntries) {
  EXPECT_EQ(Run({"combos", "--surname", "王"}), "电脑全自动\n4|8-11(95分)\n4|8-8(88分)\n");
  EXPECT_EQ(Run({"combos", "--surname", "王", "--form", "单字名"}), "电脑全自动\n4|8(90分)\n");
  EXPECT_EQ(Run({"combos", "--surname", "王", "--floor", "90"}), "电脑全自动\n4|8-11(95分)\n");
}

TEST_F(NamingCli, NameListsRowsThenHighScoreNames) {
  EXPECT_EQ(Run({"name", "--surname", "王"}),
            "王明明(88分)    王明健(95分)    \n高分名字\n王明健(95分)\n");
  EXPECT_EQ(Run({"name", "--surname", "王", "--combo", "4|8-8(88分)", "--threshold", "88"}),
            "王明明(88分)    \n高分名字\n王明明(88分)\n");
  EXPECT_EQ(Run({"name", "--surname", "王", "--sex", "女", "--form", "单字名", "--no-autopick"}),
            "王佳(90分)      \n高分名字\n");
  EXPECT_EQ(Run({"name", "--surname", "王", "--fixed", "晨", "--position", "3", "--elements", "火",
                 "--threshold", "9x"}),
            "王明晨(95分)    \n高分名字\n王明晨(95分)\n");
}

TEST_F(NamingCli, RejectsWhatTheWindowCannotHold) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"combos"},
           {"combos", "--surname", "王", "--sex", "x"},
           {"name", "--surname", "王", "--combo", "4|1-1(99分)"},
           {"name", "--surname", "王", "--form", "单字名", "--fixed", "晨"},
           {"combos", "--surname", "王", "--fixed", "晨曦"},
           {"name", "--surname", "王", "--elements", "金x"},
       }) {
    Run(args, 2);
  }
}

}  // namespace
}  // namespace zorvan
