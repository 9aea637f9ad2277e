#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestConfig.h"
#include "cli/commands/Command.h"
#include "data/ReferenceStore.h"
#include "numerology/NameAnalysisReport.h"
#include "numerology_fixture.h"
#include "text/Gbk.h"

namespace zorvan {
namespace {

using Outcome = NameAnalysisResult::Outcome;

constexpr SolarDate kToday{2024, 6, 1};

// Strokes, number rows (47 has none), grades and readings for the golden reports.
class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db.Strokes("王", 4);
    db.Strokes("李", 7);
    db.Strokes("明", 8);
    db.Strokes("华華", 14);
    db.Strokes("欧", 15);
    db.Strokes("阳", 17);
    db.Strokes("子", 3);
    db.Strokes("涵", 12);
    for (int n : {2, 5, 8, 9, 12, 15, 20, 21, 28, 32}) {
      db.Number(n, "数" + std::to_string(n) + "：", n % 2 == 0 ? "吉" : "凶",
                "数" + std::to_string(n) + "的暗示。");
    }
    db.Grade("金木土", 2);
    db.Grade("木水土", 4);
    db.Reading("金木土", {"金木土总论。", "基础", "（吉）", "成功", "（大吉）", "人际", "（平）",
                          "性格坚毅。"});
    db.Reading("木水土", {" 木水土总论。 ", "基础二", "（凶）", "成功二", "（吉）", "人际二",
                          "（吉）", "性格温和。"});
  }

  static NameAnalysisInputs Inputs(const char* surname, const char* given, const char* year,
                                   const char* month, const char* day, const char* hour,
                                   const char* minute, int dateKind) {
    return {Gbk(surname), Gbk(given), Gbk("男"), Gbk(year), Gbk(month),
            Gbk(day),     Gbk(hour),  minute,    dateKind};
  }

  static std::vector<std::string> Utf8(const std::vector<std::string>& gbkLines) {
    std::vector<std::string> lines;
    for (const std::string& line : gbkLines) lines.push_back(GbkToUtf8(line));
    return lines;
  }

  testing::NumerologyFixtureDb db;
};

std::vector<std::string> ReadGolden(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(ReportTest, GoldenReports) {
  struct Case {
    const char* name;
    NameAnalysisInputs inputs;
  };
  const Case cases[] = {
      {"one_char_surname", Inputs("李", "华", "2000", "10", "23", "酉 18", "05", 0)},
      {"lunar_birth", Inputs("李", "华", "1980", "1", "1", "子 0", "0", 1)},
      {"two_char_surname_grid_without_row",
       Inputs(" 欧阳 ", "子涵", "1975", "12", "31", "子 23", "59", 0)},
      {"no_three_talent_reading", Inputs("王", "明", "2023", "4", "20", "巳 10", "0", 0)},
  };
  const std::filesystem::path goldenDir =
      std::filesystem::path(ZORVAN_TEST_DATA_DIR) / "numerology";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NameAnalysisResult result = AnalyseName(c.inputs, kToday);
    EXPECT_EQ(result.outcome, Outcome::Report);
    EXPECT_TRUE(result.replacesPane);
    const std::vector<std::string> lines = Utf8(result.lines);
    const std::filesystem::path golden = goldenDir / c.name / "expected.txt";
    if (std::getenv("ZORVAN_UPDATE_GOLDEN") != nullptr) {
      std::filesystem::create_directories(golden.parent_path());
      std::ofstream out(golden, std::ios::binary);
      for (const std::string& line : lines) out << line << '\n';
    }
    EXPECT_EQ(lines, ReadGolden(golden));
  }
}

TEST_F(ReportTest, MessagesInOrderLeaveThePaneAlone) {
  struct Case {
    NameAnalysisInputs inputs;
    const char* message;
  };
  const Case cases[] = {
      {Inputs(" ", "", "", "", "", "", "0", 0), "姓不能为空!"},
      {Inputs("李", "\t", "", "", "", "", "0", 0), "名不能为空!"},
      {Inputs("李", "华", " ", "", "", "", "0", 0), "请选择出生年!"},
      {Inputs("李", "华", "1980", "", "", "", "0", 0), "请选择出生月!"},
      {Inputs("李", "华", "1980", "1", "", "", "0", 0), "请选择出生日!"},
      {Inputs("李", "华", "1980", "1", "1", " ", "0", 0), "请选择出生小时!"},
      {Inputs("欧阳王", "华", "1980", "1", "1", "子 0", "0", 0), "姓最多只能填两个字!"},
      {Inputs("李", "子涵华", "1980", "1", "1", "子 0", "0", 0), "名最多只能填两个字!"},
      // Lunar years end at 2099; month 2 of 1980 has 29 days.
      {Inputs("李", "华", "2100", "1", "1", "子 0", "0", 1),
       "农历日期无效：请选择1901至2099年间确实存在的农历日期!"},
      {Inputs("李", "华", "1980", "2", "30", "子 0", "0", 1),
       "农历日期无效：请选择1901至2099年间确实存在的农历日期!"},
      {Inputs("李", "华", "1900", "1", "1", "子 0", "0", 0),
       "出生日期超出了农历换算的范围(1900年1月31日至2100年12月31日)，请重新选择!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    NameAnalysisResult result = AnalyseName(c.inputs, kToday);
    EXPECT_EQ(result.outcome, Outcome::Message);
    EXPECT_EQ(GbkToUtf8(result.message), c.message);
    EXPECT_FALSE(result.replacesPane);
    EXPECT_TRUE(result.lines.empty());
  }
}

TEST_F(ReportTest, ConversionErrorsComeBeforeThePaneIsCleared) {
  struct Case {
    NameAnalysisInputs inputs;
    const char* message;
  };
  const Case cases[] = {
      {Inputs("李", "华", "1980", "2", "30", "子 0", "0", 0), "'1980-2-30' is not a valid date"},
      {Inputs("李", "华", "198O", "1", "1", "子 0", "0", 0), "'198O-1-1' is not a valid date"},
      {Inputs("李", "华", "1980", "一", "1", "子 0", "0", 1), "'一' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    NameAnalysisResult result = AnalyseName(c.inputs, kToday);
    EXPECT_EQ(result.outcome, Outcome::Error);
    EXPECT_EQ(GbkToUtf8(result.message), c.message);
    EXPECT_FALSE(result.replacesPane);
  }
}

TEST_F(ReportTest, FailedLookupsKeepTheLinesWritten) {
  const NameAnalysisInputs inputs = Inputs("李", "华", "2000", "10", "23", "酉 18", "05", 0);

  db.Exec("DROP TABLE sancai2009");  // the reading surfaces its error after the grid readings
  NameAnalysisResult result = AnalyseName(inputs, kToday);
  EXPECT_EQ(result.outcome, Outcome::Error);
  EXPECT_TRUE(result.replacesPane);
  EXPECT_EQ(result.lines.size(), 17u);
  EXPECT_FALSE(result.message.empty());

  db.Exec("DROP TABLE \"81\"");  // a number lookup ends it silently after line 8
  result = AnalyseName(inputs, kToday);
  EXPECT_EQ(result.outcome, Outcome::Abandoned);
  EXPECT_EQ(result.lines.size(), 8u);

  db.Exec("INSERT INTO bihua VALUES ('李', 'seven')");
  db.Exec("DELETE FROM bihua WHERE num = 7");  // a stroke count that is no number
  result = AnalyseName(inputs, kToday);
  EXPECT_EQ(result.outcome, Outcome::Abandoned);
  ASSERT_EQ(result.lines.size(), 5u);
  EXPECT_EQ(GbkToUtf8(result.lines[4]), "星座:天蝎座");
}

TEST_F(ReportTest, AFailedGradeLookupEndsBeforeTheScore) {
  db.Exec("DROP TABLE sancai");
  const NameAnalysisResult result =
      AnalyseName(Inputs("李", "华", "2000", "10", "23", "酉 18", "05", 0), kToday);
  EXPECT_EQ(result.outcome, Outcome::Abandoned);
  EXPECT_TRUE(result.replacesPane);
  EXPECT_EQ(result.lines.size(), 5u);
}

// The score needs every stroke and grade lookup; they all run before the first
// reading is fetched from table 81, and nothing is looked up twice.
TEST_F(ReportTest, LookupsOfTheScoreComeFirst) {
  testing::LookupLog log;
  const NameAnalysisResult result =
      AnalyseName(Inputs("李", "华", "2000", "10", "23", "酉 18", "05", 0), kToday);
  ASSERT_EQ(result.outcome, Outcome::Report);
  // 6 strokes, 1 grade, 5 x 2 readings, 1 three-talent reading, 5 hints.
  EXPECT_EQ(log.Opens(), 23);
  std::vector<std::string> tables;
  for (const std::string& sql : log.Statements()) {
    for (const char* table : {"bihua", "sancai2009", "sancai ", "81"}) {
      if (sql.find(table) != std::string::npos) {
        tables.push_back(table);
        break;
      }
    }
  }
  const std::vector<std::string> expected = {
      "bihua", "bihua",      "bihua", "bihua", "bihua", "bihua", "sancai ", "81",
      "81",    "81",         "81",    "81",    "81",    "81",    "81",      "81",
      "81",    "sancai2009", "81",    "81",    "81",    "81",    "81"};
  EXPECT_EQ(tables, expected);
}

TEST_F(ReportTest, CommandLine) {
  std::ostringstream out, err;
  EXPECT_EQ(cli::RunCli({"strokes", "李华x癸"}, out, err), 0);
  EXPECT_EQ(out.str(), "李\t7\n华\t14\nx\t0\n癸\t0\n");

  out.str("");
  EXPECT_EQ(cli::RunCli({"grids", "欧阳", "子涵"}, out, err), 0);
  EXPECT_EQ(out.str(),
            "天格\t32\n人格\t20\n地格\t15\n总格\t47\n外格\t28\n三才\t木水土\n三才分\t15\n"
            "综合评分\t83\n");
  out.str("");
  EXPECT_EQ(cli::RunCli({"grids", "王", "明"}, out, err), 0);
  EXPECT_NE(out.str().find("三才分\t-1\n综合评分\t58\n"), std::string::npos);
  EXPECT_EQ(cli::RunCli({"grids", "欧阳王", "明"}, out, err), 2);

  // The same report as the window's, from the same field texts.
  out.str("");
  EXPECT_EQ(cli::RunCli({"analyze", "--surname", "李", "--given", "华", "--date", "1980-1-1",
                         "--hour", "子 0", "--lunar", "--today", "2024-06-01"},
                        out, err),
            0);
  std::ostringstream expected;
  for (const std::string& line : ReadGolden(std::filesystem::path(ZORVAN_TEST_DATA_DIR) /
                                            "numerology/lunar_birth/expected.txt")) {
    expected << line << '\n';
  }
  EXPECT_EQ(out.str(), expected.str());

  err.str("");
  EXPECT_EQ(cli::RunCli({"analyze", "--surname", "李", "--given", "", "--date", "1980-1-1",
                         "--hour", "子 0"},
                        out, err),
            1);
  EXPECT_EQ(err.str(), "名不能为空!\n");
}

}  // namespace
}  // namespace zorvan
