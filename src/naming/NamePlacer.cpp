#include "naming/NamePlacer.h"

#include "text/Text.h"

namespace zorvan {

namespace {

// The blanks that pad a name of this length to the cell width.
size_t PaddingFor(size_t length) {
  return length >= 10 && length < kCellWidth ? kCellWidth - length : 0;
}

// As Trim, without a copy.
std::string_view TrimmedView(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20) text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string PadToCell(std::string_view name) {
  std::string padded(name);
  padded.append(PaddingFor(name.size()), ' ');
  return padded;
}

NamePlacer::NamePlacer(NamingSink& sink, bool autoPick, std::string threshold)
    : sink_(sink), autoPick_(autoPick), threshold_(std::move(threshold)) {}

void NamePlacer::ResetRow() {
  row_.clear();
  rowCount_ = 0;
}

int NamePlacer::Threshold() {
  // Read once per run; a text that is not a number fails at every name that
  // needs it, as reading it each time would.
  if (!thresholdValue_) thresholdValue_ = StrToInt(Trim(threshold_));
  return *thresholdValue_;
}

void NamePlacer::HandOver(std::string_view name) {
  MemoSuoyou_.emplace_back(name);
  PlaceName();
}

void NamePlacer::PlaceName() {
  std::string_view name =
      MemoSuoyou_.empty() ? std::string_view() : TrimmedView(MemoSuoyou_.front());
  if (autoPick_) {
    if (name.find("100") != std::string_view::npos) {
      sink_.AddGoodName(name);
    } else {
      size_t open = name.find('(');
      std::string_view digits = open == std::string_view::npos ? name : name.substr(open + 1);
      int score = StrToInt(digits.substr(0, 2));
      if (score >= Threshold()) sink_.AddGoodName(name);
    }
  }
  row_ += name;
  row_.append(PaddingFor(name.size()), ' ');
  ++rowCount_;
  if (!MemoSuoyou_.empty()) MemoSuoyou_.pop_front();
  if (rowCount_ == kNamesPerRow) {
    sink_.AddSuccessLine(row_);
    ResetRow();
  }
}

void NamePlacer::Flush() {
  if (rowCount_ > 0) sink_.AddSuccessLine(row_);
  ResetRow();
}

}  // namespace zorvan
