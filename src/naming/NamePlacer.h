#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace zorvan {

// Where a naming run writes: the window's panes. Called on the run's thread,
// in the order the lines are produced.
class NamingSink {
 public:
  virtual ~NamingSink() = default;
  virtual void ClearSuccess() = 0;                        // `MemoSuccess` emptied (start of a run)
  virtual void ClearGoodNames() = 0;                      // `GoodName` emptied
  virtual void AddSuccessLine(std::string_view gbk) = 0;  // one row of names for `MemoSuccess`
  virtual void AddGoodName(std::string_view gbk) = 0;     // one line for `GoodName`
  virtual void Repaint() {}                               // a group of nine names was placed
  virtual void Finished() {}                              // the run has ended
};

// The width of one cell of the name grid, in bytes, and the names in a row.
inline constexpr size_t kCellWidth = 16;
inline constexpr int kNamesPerRow = 6;

// A name padded with blanks to the cell width when it is 10 to 15 bytes long;
// any other name is left as it is.
std::string PadToCell(std::string_view name);

// Places the names of a run: copies the high-scoring ones to `GoodName` and
// lays all of them out six to a row in `MemoSuccess`. Names arrive through a
// one-line queue (`MemoSuoyou`), as the window's hidden pane hands them over.
class NamePlacer {
 public:
  // `autoPick` and `threshold` are `CBInitFee` and the `Sorcss` text.
  NamePlacer(NamingSink& sink, bool autoPick, std::string threshold);

  // Empties the row being built.
  void ResetRow();
  // Empties the hand-over queue.
  void ClearQueue() { MemoSuoyou_.clear(); }
  // Appends a name to the queue and places it. Throws ConversionError when the
  // auto-pick cannot read the threshold or the score; the name is then not placed.
  void HandOver(std::string_view name);
  // Places the first name of the queue.
  void PlaceName();
  // Writes a partly filled row as the last line.
  void Flush();

  const std::deque<std::string>& MemoSuoyou() const { return MemoSuoyou_; }

 private:
  int Threshold();

  NamingSink& sink_;
  bool autoPick_;
  std::string threshold_;
  std::optional<int> thresholdValue_;
  std::deque<std::string> MemoSuoyou_;
  std::string row_;
  int rowCount_ = 0;
};

}  // namespace zorvan
