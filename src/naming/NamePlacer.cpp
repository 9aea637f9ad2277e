#include "naming/NamePlacer.h"

#include "text/Text.h"

namespace zorvan {

std::string PadToCell(std::string_view name) {
  std::string padded(name);
  if (name.size() >= 10 && name.size() < kCellWidth) padded.append(kCellWidth - name.size(), ' ');
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
  std::string name = MemoSuoyou_.empty() ? std::string() : Trim(MemoSuoyou_.front());
  if (autoPick_) {
    if (name.find("100") != std::string::npos) {
      sink_.AddGoodName(name);
    } else {
      int score = StrToInt(BytesAt(name, BytePos("(", name) + 1, 2));
      if (score >= Threshold()) sink_.AddGoodName(name);
    }
  }
  row_ += PadToCell(name);
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
