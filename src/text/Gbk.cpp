#include "text/Gbk.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace zorvan {
namespace {

// One iconv descriptor per direction and thread; opening one costs far more
// than a conversion of a short text.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much as it can. On a byte that cannot be converted it calls
  // onBad(out, rest) which appends a replacement and says how many input bytes
  // to skip.
  template <typename OnBad>
  std::string Convert(std::string_view in, OnBad onBad) {
    std::string out;
    out.reserve(in.size() * 3 / 2 + 4);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char buffer[1024];
    while (inLeft > 0) {
      char* outPtr = buffer;
      size_t outLeft = sizeof buffer;
      size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buffer, outPtr);
      if (rc != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: an invalid or incomplete sequence at inPtr.
      size_t skip = onBad(out, std::string_view(inPtr, inLeft));
      inPtr += skip;
      inLeft -= skip;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

Converter& ToGbk() {
  thread_local Converter converter("CP936", "UTF-8");
  return converter;
}

Converter& ToUtf8() {
  thread_local Converter converter("UTF-8", "CP936");
  return converter;
}

// Length of the UTF-8 sequence starting with lead byte c (1 for a stray byte).
size_t Utf8SequenceLength(unsigned char c, std::string_view rest) {
  size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  if (n > rest.size()) return rest.size();
  for (size_t i = 1; i < n; ++i) {
    if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return i;
  }
  return n;
}

// GBK codes of the unified ideographs U+4E00 to U+9FA5 (0 where GBK has none),
// taken from iconv once. Names and reference texts are nearly all of these, and
// a table lookup is far quicker than an iconv call per short text.
constexpr char32_t kTableFirst = 0x4E00;
constexpr char32_t kTableLast = 0x9FA5;

std::string Utf8Of(char32_t cp) {
  return {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
          static_cast<char>(0x80 | (cp & 0x3F))};
}

std::uint16_t CodeOf(std::string_view gbk) {
  return static_cast<std::uint16_t>((static_cast<unsigned char>(gbk[0]) << 8) |
                                    static_cast<unsigned char>(gbk[1]));
}

const std::vector<std::uint16_t>& IdeographTable() {
  static const std::vector<std::uint16_t> table = [] {
    const size_t count = kTableLast - kTableFirst + 1;
    std::vector<std::uint16_t> codes(count, 0);
    // GBK holds every one of them: convert all in one call, two bytes each.
    std::string all;
    all.reserve(count * 3);
    for (char32_t cp = kTableFirst; cp <= kTableLast; ++cp) all += Utf8Of(cp);
    bool bad = false;
    auto onBad = [&bad](std::string&, std::string_view rest) {
      bad = true;
      return rest.size();
    };
    std::string gbk = ToGbk().Convert(all, onBad);
    if (!bad && gbk.size() == count * 2) {
      for (size_t i = 0; i < count; ++i) codes[i] = CodeOf(std::string_view(gbk).substr(i * 2, 2));
      return codes;
    }
    // Otherwise one by one, leaving 0 where a character has no code.
    for (char32_t cp = kTableFirst; cp <= kTableLast; ++cp) {
      bad = false;
      std::string one = ToGbk().Convert(Utf8Of(cp), onBad);
      if (!bad && one.size() == 2) codes[cp - kTableFirst] = CodeOf(one);
    }
    return codes;
  }();
  return table;
}

// Converts a text of ASCII and table ideographs only; false for anything else.
bool TryTableToGbk(std::string_view utf8, std::string& out) {
  const std::vector<std::uint16_t>& table = IdeographTable();
  // Ideographs shrink from 3 bytes to 2; a short name then stays within the
  // string's own buffer.
  out.reserve(utf8.size() * 2 / 3 + 1);
  for (size_t i = 0; i < utf8.size();) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    if ((c & 0xF0) != 0xE0 || i + 3 > utf8.size()) return false;
    auto c1 = static_cast<unsigned char>(utf8[i + 1]);
    auto c2 = static_cast<unsigned char>(utf8[i + 2]);
    if ((c1 & 0xC0) != 0x80 || (c2 & 0xC0) != 0x80) return false;
    char32_t cp = (static_cast<char32_t>(c & 0x0F) << 12) |
                  (static_cast<char32_t>(c1 & 0x3F) << 6) | static_cast<char32_t>(c2 & 0x3F);
    if (cp < kTableFirst || cp > kTableLast) return false;
    std::uint16_t code = table[cp - kTableFirst];
    if (code == 0) return false;
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
    i += 3;
  }
  return true;
}

// The way back: the ideograph of each two-byte GBK code the table holds (0
// where it holds none).
const std::vector<char32_t>& IdeographOfCode() {
  static const std::vector<char32_t> reverse = [] {
    std::vector<char32_t> ideographs(0x10000, 0);
    const std::vector<std::uint16_t>& table = IdeographTable();
    for (size_t i = 0; i < table.size(); ++i) {
      if (table[i] != 0) ideographs[table[i]] = kTableFirst + static_cast<char32_t>(i);
    }
    return ideographs;
  }();
  return reverse;
}

// Converts a GBK text of ASCII and table ideographs only; false for anything else.
bool TryTableToUtf8(std::string_view gbk, std::string& out) {
  const std::vector<char32_t>& reverse = IdeographOfCode();
  out.reserve(gbk.size() * 3 / 2 + 1);
  for (size_t i = 0; i < gbk.size();) {
    auto c = static_cast<unsigned char>(gbk[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    if (i + 2 > gbk.size()) return false;
    char32_t cp = reverse[CodeOf(gbk.substr(i, 2))];
    if (cp == 0) return false;
    out += Utf8Of(cp);
    i += 2;
  }
  return true;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  std::string fast;
  if (TryTableToGbk(utf8, fast)) return fast;
  return ToGbk().Convert(utf8, [](std::string& out, std::string_view rest) {
    auto lead = static_cast<unsigned char>(rest[0]);
    size_t n = Utf8SequenceLength(lead, rest);
    // A complete sequence that GBK lacks is a character: show it as '?'.
    if (lead >= 0xC0 && n >= 2) out += '?';
    return n;
  });
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string fast;
  if (TryTableToUtf8(gbk, fast)) return fast;
  return ToUtf8().Convert(gbk, [](std::string& out, std::string_view) {
    out += "\xEF\xBF\xBD";
    return size_t{1};
  });
}

bool IsWellFormedGbk(std::string_view gbk) {
  bool ok = true;
  ToUtf8().Convert(gbk, [&ok](std::string&, std::string_view) {
    ok = false;
    return size_t{1};
  });
  return ok;
}

}  // namespace zorvan
