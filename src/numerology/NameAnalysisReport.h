#pragma once

#include <string>
#include <vector>

#include "calendar/CalendarTypes.h"

namespace zorvan {

// The field texts of the name analysis window, GBK, as the user left them.
struct NameAnalysisInputs {
  std::string surname;
  std::string given;
  std::string sex;  // carried only; the analysis does not use it
  std::string year;
  std::string month;
  std::string day;
  std::string hour;    // the hour item, e.g. "子 0"
  std::string minute;  // "0" by default
  int dateKind = 0;    // 0 公历, 1 农历
};

// What one analysis produced.
struct NameAnalysisResult {
  enum class Outcome {
    Report,     // the whole report
    Message,    // missing or invalid input; `message` for ShowInfoMessage
    Error,      // a conversion or data error; `message` for the error report
    Abandoned,  // a lookup failed; the action ends silently
  };
  Outcome outcome = Outcome::Report;
  std::string message;  // GBK
  // True when the pane was cleared: it then shows `lines`, the report or the part
  // of it written before the action ended.
  bool replacesPane = false;
  std::vector<std::string> lines;  // GBK
};

// Validates the inputs, converts a lunar birth date, and writes the report
// lines. `today` gives the age. Lookups happen here (VelFile.dll in
// ProgramDirectory()).
NameAnalysisResult AnalyseName(const NameAnalysisInputs& inputs, const SolarDate& today);

// The line between the report's sections.
extern const char* const kNameAnalysisSeparator;  // UTF-8

}  // namespace zorvan
