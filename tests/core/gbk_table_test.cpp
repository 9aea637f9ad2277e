#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "text/Gbk.h"

namespace zorvan {
namespace {

// glibc's own conversion of one short text, or "" when it refuses.
std::string Iconv(const char* to, const char* from, const std::string& text) {
  iconv_t cd = iconv_open(to, from);
  char out[64];
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* outPtr = out;
  size_t outLeft = sizeof out;
  size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  return rc == static_cast<size_t>(-1) ? std::string() : std::string(out, outPtr);
}
std::string IconvGbk(const std::string& utf8) { return Iconv("CP936", "UTF-8", utf8); }
std::string IconvUtf8(const std::string& gbk) { return Iconv("UTF-8", "CP936", gbk); }

TEST(Utf8ToGbk, IdeographTableAgreesWithIconvOnEveryCodePoint) {
  for (char32_t cp = 0x4E00; cp <= 0x9FFF; ++cp) {
    std::string utf8 = {static_cast<char>(0xE0 | (cp >> 12)),
                        static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                        static_cast<char>(0x80 | (cp & 0x3F))};
    std::string expected = IconvGbk(utf8);
    ASSERT_EQ(Utf8ToGbk(utf8), expected.empty() ? "?" : expected)
        << std::hex << static_cast<unsigned>(cp);
  }
}

TEST(Utf8ToGbk, MixedTextsFallBackToIconv) {
  EXPECT_EQ(Utf8ToGbk("王小明(85分)"), IconvGbk("王小明(85分)"));
  EXPECT_EQ(Utf8ToGbk("欧阳，€"), IconvGbk("欧阳，€"));  // full-width comma, euro sign
  EXPECT_EQ(Utf8ToGbk("王\xE4\xB8"), Gbk("王") + "?");   // a cut character at the end
  EXPECT_EQ(Utf8ToGbk(""), "");
}

TEST(GbkToUtf8, AgreesWithIconvOnEveryTwoByteCode) {
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      std::string gbk = {static_cast<char>(lead), static_cast<char>(trail)};
      std::string expected = IconvUtf8(gbk);
      if (expected.empty()) continue;  // no character: the replacement rules apply
      ASSERT_EQ(GbkToUtf8(gbk), expected) << std::hex << lead << ' ' << trail;
    }
  }
}

TEST(GbkToUtf8, MixedAndBrokenTexts) {
  EXPECT_EQ(GbkToUtf8(Gbk("王小明(85分)")), "王小明(85分)");
  EXPECT_EQ(GbkToUtf8(Gbk("欧阳，") + "\x80"), "欧阳，€");
  EXPECT_EQ(GbkToUtf8(Gbk("王") + "\xCD"), "王\xEF\xBF\xBD");  // half a character at the end
  EXPECT_EQ(GbkToUtf8("\xCD'\xCD\xF5"), "\xEF\xBF\xBD'王");    // a lead byte before a quote
  EXPECT_EQ(GbkToUtf8(""), "");
}

}  // namespace
}  // namespace zorvan
