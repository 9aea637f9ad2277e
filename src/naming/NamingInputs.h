#pragma once

#include <string>
#include <vector>

namespace zorvan {

// A snapshot of the main window's fields that choosing combinations, building
// the candidate statement and placing names read. Texts are GBK as they stand
// in the fields (the logic trims them); indices count from 0. The defaults are
// the window's own.
struct NamingInputs {
  std::string Xing;  // surname
  int CBsex = 0;     // 0 "男", 1 "女"

  // The element boxes 金 木 水 火 土.
  bool CBjin = false;
  bool CBMu = false;
  bool CBshui = false;
  bool CBhuo = false;
  bool CBTu = false;

  bool CBzhishukongz = false;  // a fixed character is wanted
  int CBdijizi = 0;            // 0 "第二字", 1 "第三字"
  std::string Gudingzi;        // the fixed character

  int CBXingshi = 0;  // 0 "双字名", 1 "单字名"

  bool CBFeeXX = false;         // score floor on
  std::string ZuidiFee = "80";  // the floor
  bool CBInitFee = true;        // auto-pick on
  std::string Sorcss = "95";    // the auto-pick threshold

  // The items of the combination list and its current text.
  std::vector<std::string> CBCodeItems;
  std::string CBCode;
};

}  // namespace zorvan
