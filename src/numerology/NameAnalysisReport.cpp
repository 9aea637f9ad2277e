#include "numerology/NameAnalysisReport.h"

#include "calendar/CalendarAnnotations.h"
#include "calendar/LunarCalendar.h"
#include "data/ReferenceStore.h"
#include "numerology/Grids.h"
#include "numerology/NumberFortune.h"
#include "numerology/ThreeTalents.h"
#include "text/DateText.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {

const char* const kNameAnalysisSeparator =
    "<-----------------------名字分析内容分隔线----------------------------->";

namespace {

struct GridText {
  GridKind kind;
  const char* name;
  const char* intro;
};

// The grids in report order, with the sentence that introduces each.
const GridText kGridTexts[] = {
    {GridKind::Heaven, "天格", "的解析】：天格数是先祖留传下来的，其数理对人影响不大。"},
    {GridKind::Person, "人格", "的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。"},
    {GridKind::Earth, "地格", "的解析】：地格数又称前运，影响人生（49岁）以前的命运。"},
    {GridKind::Total, "总格", "的解析】：总格又称后运，影响人生（50岁）以后的命运。 "},
    {GridKind::Outer, "外格",
     "的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。"},
};

const char* const kVerdicts[] = {
    "【总评及建议】:你的名字起得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注"
    "意不要失去上进心。",
    "【总评及建议】:你的名字起得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！",
    "【总评及建议】:你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条"
    "件，改个名字也未尝不可。",
    "【总评及建议】:你的名字可能不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。",
    "【总评及建议】:你的名字可能不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。",
};

NameAnalysisResult Message(const char* utf8) {
  NameAnalysisResult result;
  result.outcome = NameAnalysisResult::Outcome::Message;
  result.message = Gbk(utf8);
  return result;
}

NameAnalysisResult ErrorBeforeReport(const std::string& message) {
  NameAnalysisResult result;
  result.outcome = NameAnalysisResult::Outcome::Error;
  result.message = message;
  return result;
}

std::string TwoDigits(int value) { return Format("%02d", value); }

// The report after the pane is cleared: appends to `lines` as it goes, so that
// what was written stays when a lookup ends the action.
void WriteReport(const std::string& surname, const std::string& given, const SolarDate& solar,
                 const LunarDate& lunar, const std::string& hourItem, const std::string& minute,
                 const SolarDate& today, std::vector<std::string>& lines) {
  const std::string yearText = GanzhiYearText(lunar.year);
  const std::string lunarText =
      yearText + LunarMonthText(lunar.month, lunar.isLeap) + LunarDayText(lunar.day);
  const size_t open = BytePos("(", yearText);
  const std::string animal = open == 0 ? std::string() : BytesAt(yearText, open + 1, 2);

  lines.push_back(surname + given + Gbk(",您今年:") + std::to_string(today.year - solar.year) +
                  Gbk("岁"));
  lines.push_back(Gbk("您出生公历: ") + Format("%04d", solar.year) + Gbk("年") +
                  TwoDigits(solar.month) + Gbk("月") + TwoDigits(solar.day) + Gbk("日") +
                  Trim(BytesAt(hourItem, 4, 2)) + Gbk("点") + minute + Gbk("分"));
  lines.push_back(Gbk("农历:") + lunarText);
  lines.push_back(Gbk("生肖:") + animal);
  lines.push_back(Gbk("星座:") + ZodiacSignOf(solar));

  // Every stroke and points lookup runs before the score line.
  const FiveGrids grids = ComputeFiveGrids(surname, given);
  const double scoreValue = NameScore(grids);
  const std::string score = FormatDecimal(scoreValue);
  const std::string separator = Gbk(kNameAnalysisSeparator);

  lines.push_back(Gbk("综合评分: ") + score + Gbk("分"));
  lines.push_back(separator);
  for (const GridText& grid : kGridTexts) {
    const int n = grids.Of(grid.kind);
    lines.push_back(Gbk("【") + Gbk(grid.name) + std::to_string(n) + Gbk(grid.intro));
    lines.push_back(NumberTableField(n, NumberField::Title) +
                    NumberTableField(n, NumberField::Fortune));
  }

  const std::string talents = ThreeTalentElements(grids);
  if (auto reading = ThreeTalentReading(talents)) {
    lines.push_back(separator);
    lines.push_back(Gbk("【三才数理分析】：您的姓名三才配置为：") + talents +
                    Gbk("。它具有如下数理诱导力，据此会对人生产生一定的影响。"));
    lines.push_back(reading->yy);
    lines.push_back(Gbk("【对基础运的影响】：") + reading->jcy + reading->jx1);
    lines.push_back(Gbk("【对成功运的影响】：") + reading->cgy + reading->jx2);
    lines.push_back(Gbk("【对人际关系的影响】：") + reading->rjgx + reading->jx3);
    lines.push_back(Gbk("【对性格的影响】：") + reading->xg);
  }

  lines.push_back(separator);
  for (const GridText& grid : kGridTexts) {
    const int n = grids.Of(grid.kind);
    lines.push_back(Gbk("【") + Gbk(grid.name) + std::to_string(n) + Gbk("数理暗示】："));
    lines.push_back(NumberTableField(n, NumberField::Hint));
  }
  lines.push_back(separator);
  lines.push_back(Gbk(kVerdicts[ScoreBand(scoreValue) - 1]));
  lines.push_back(Gbk("【系统综合评分】: ") + score + Gbk("分"));
  lines.push_back("");
  lines.push_back(Gbk("<-----------------------以上分析内容只作参考") + Gbk("------>"));
}

}  // namespace

NameAnalysisResult AnalyseName(const NameAnalysisInputs& inputs, const SolarDate& today) {
  const std::string surname = Trim(inputs.surname);
  if (surname.empty()) return Message("姓不能为空!");
  const std::string given = Trim(inputs.given);
  if (given.empty()) return Message("名不能为空!");
  std::string year = Trim(inputs.year);
  if (year.empty()) return Message("请选择出生年!");
  std::string month = Trim(inputs.month);
  if (month.empty()) return Message("请选择出生月!");
  std::string day = Trim(inputs.day);
  if (day.empty()) return Message("请选择出生日!");
  const std::string hour = Trim(inputs.hour);
  if (hour.empty()) return Message("请选择出生小时!");
  // The grids know one- and two-character parts only.
  if (surname.size() > 4) return Message("姓最多只能填两个字!");
  if (given.size() > 4) return Message("名最多只能填两个字!");

  std::string dateText = year + "-" + month + "-" + day;
  SolarDate solar;
  LunarDate lunar;
  try {
    if (inputs.dateKind == 1) {
      LunarDate entered{StrToInt(year), StrToInt(month), StrToInt(day), false};
      if (!IsValidLunarDate(entered)) {
        return Message("农历日期无效：请选择1901至2099年间确实存在的农历日期!");
      }
      dateText = FormatShortDate(LunarToSolar(entered));
      year = BytesAt(dateText, 1, 4);
      month = BytesAt(dateText, 6, 2);
      day = BytesAt(dateText, 9, 2);
    }
    solar = ParseShortDate(dateText);
  } catch (const ConversionError& e) {
    return ErrorBeforeReport(e.what());
  }
  lunar = SolarToLunar(solar);
  if (lunar.year == 0) {
    return Message("出生日期超出了农历换算的范围(1900年1月31日至2100年12月31日)，请重新选择!");
  }

  NameAnalysisResult result;
  result.replacesPane = true;
  try {
    WriteReport(surname, given, solar, lunar, hour, Trim(inputs.minute), today, result.lines);
  } catch (const SilentAbort&) {
    result.outcome = NameAnalysisResult::Outcome::Abandoned;
  } catch (const DataError& e) {
    result.outcome = NameAnalysisResult::Outcome::Error;
    result.message = e.what();
  }
  return result;
}

}  // namespace zorvan
