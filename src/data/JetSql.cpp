#include "data/JetSql.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "data/ReferenceStore.h"
#include "text/DateText.h"

namespace zorvan {
namespace {

enum class Kind { Space, Word, Number, String, Identifier, Symbol };

struct Token {
  Kind kind;
  std::string text;  // as it will be written (strings already in SQLite quoting)
};

bool IsWordStart(unsigned char c) { return std::isalpha(c) || c == '_' || c >= 0x80; }
bool IsWordChar(unsigned char c) { return std::isalnum(c) || c == '_' || c == '.' || c >= 0x80; }

// True when `text` equals the lower-case `word` ignoring ASCII case, without
// building a lower-cased copy (this runs for every token a search passes).
bool EqualsLower(std::string_view text, std::string_view word) {
  return text.size() == word.size() &&
         std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
         });
}

// A quoted literal starting at text[i] with quote character q; returns its
// content with the doubled quotes undone and moves i past it.
std::string ReadQuoted(std::string_view text, size_t& i, char q) {
  std::string content;
  for (size_t j = i + 1; j < text.size(); ++j) {
    if (text[j] != q) {
      content += text[j];
    } else if (j + 1 < text.size() && text[j + 1] == q) {
      content += q;
      ++j;
    } else {
      i = j + 1;
      return content;
    }
  }
  throw DataError("Syntax error: unterminated text literal in the SQL statement");
}

std::string SqliteString(std::string_view content) {
  std::string out = "'";
  for (char c : content) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out + "'";
}

// "#2023-1-5#" or "#2023/01/05#": the date as '2023-01-05'.
std::string DateLiteral(std::string_view body) {
  std::string normalized(body);
  std::replace(normalized.begin(), normalized.end(), '/', '-');
  SolarDate date;
  if (!TryParseShortDate(normalized, date)) {
    throw DataError("Syntax error in date in query expression '#" + std::string(body) + "#'");
  }
  return "'" + FormatShortDate(date) + "'";
}

std::vector<Token> Tokenize(std::string_view sql) {
  std::vector<Token> tokens;
  size_t i = 0;
  while (i < sql.size()) {
    auto c = static_cast<unsigned char>(sql[i]);
    size_t start = i;
    if (c <= 0x20) {
      while (i < sql.size() && static_cast<unsigned char>(sql[i]) <= 0x20) ++i;
      tokens.push_back({Kind::Space, std::string(sql.substr(start, i - start))});
    } else if (c == '\'' || c == '"') {
      std::string content = ReadQuoted(sql, i, static_cast<char>(c));
      tokens.push_back({Kind::String, SqliteString(content)});
    } else if (c == '#') {
      size_t close = sql.find('#', i + 1);
      if (close == std::string_view::npos)
        throw DataError("Syntax error: unterminated date literal");
      tokens.push_back({Kind::String, DateLiteral(sql.substr(i + 1, close - i - 1))});
      i = close + 1;
    } else if (c == '[') {
      size_t close = sql.find(']', i + 1);
      if (close == std::string_view::npos) throw DataError("Syntax error: unterminated [name]");
      std::string name(sql.substr(i + 1, close - i - 1));
      tokens.push_back({Kind::Identifier, "\"" + name + "\""});
      i = close + 1;
    } else if (std::isdigit(c)) {
      while (i < sql.size() && (std::isdigit(static_cast<unsigned char>(sql[i])) || sql[i] == '.'))
        ++i;
      tokens.push_back({Kind::Number, std::string(sql.substr(start, i - start))});
    } else if (IsWordStart(c)) {
      while (i < sql.size() && IsWordChar(static_cast<unsigned char>(sql[i]))) ++i;
      tokens.push_back({Kind::Word, std::string(sql.substr(start, i - start))});
    } else {
      std::string_view two = sql.substr(i, 2);
      if (two == "<=" || two == ">=" || two == "<>" || two == "!=" || two == "||") {
        i += 2;
      } else {
        ++i;
      }
      tokens.push_back({Kind::Symbol, std::string(sql.substr(start, i - start))});
    }
  }
  return tokens;
}

bool IsWord(const Token& token, std::string_view lowerWord) {
  return token.kind == Kind::Word && EqualsLower(token.text, lowerWord);
}
bool IsSymbol(const Token& token, std::string_view symbol) {
  return token.kind == Kind::Symbol && token.text == symbol;
}

// Words and symbols that end an operand chain for the "+" rule.
bool EndsSegment(const Token& token) {
  static const char* const kKeywords[] = {
      "select", "from",   "where", "and",  "or",   "not",      "as",  "on",   "order", "by",
      "group",  "having", "union", "like", "in",   "between",  "is",  "when", "then",  "else",
      "end",    "top",    "join",  "asc",  "desc", "distinct", "all", "case"};
  if (token.kind == Kind::Word) {
    return std::any_of(std::begin(kKeywords), std::end(kKeywords),
                       [&](const char* k) { return EqualsLower(token.text, k); });
  }
  if (token.kind == Kind::Symbol) {
    static const char* const kSymbols[] = {",", "=", "<", ">", "<=", ">=", "<>", "!=", ";"};
    return std::any_of(std::begin(kSymbols), std::end(kSymbols),
                       [&](const char* s) { return token.text == s; });
  }
  return false;
}

class Translator {
 public:
  explicit Translator(std::vector<Token> tokens) : tokens_(std::move(tokens)) {
    MatchParentheses();
    MarkTextConcatenation();
    QuoteNumericTableNames();
  }

  std::string Render() {
    std::string out;
    out.reserve(tokens_.size() * 4);
    RenderRangeInto(0, tokens_.size(), out);
    return out;
  }

 private:
  void MatchParentheses() {
    match_.assign(tokens_.size(), 0);
    std::vector<size_t> open;
    for (size_t i = 0; i < tokens_.size(); ++i) {
      if (IsSymbol(tokens_[i], "(")) {
        open.push_back(i);
      } else if (IsSymbol(tokens_[i], ")")) {
        if (open.empty())
          throw DataError("Syntax error: unbalanced parentheses in the SQL statement");
        match_[open.back()] = i;
        match_[i] = open.back();
        open.pop_back();
      }
    }
    if (!open.empty()) throw DataError("Syntax error: unbalanced parentheses in the SQL statement");
  }

  // A chain "x + y + z" at one nesting depth joins texts when one of its
  // operands is a text literal; its "+" signs then become "||".
  void MarkTextConcatenation() {
    struct Segment {
      std::vector<size_t> plusSigns;
      bool hasText = false;
    };
    std::vector<Segment> stack(1);
    auto finish = [this](Segment& segment) {
      if (segment.hasText) {
        for (size_t at : segment.plusSigns) tokens_[at].text = "||";
      }
      segment = Segment{};
    };
    for (size_t i = 0; i < tokens_.size(); ++i) {
      const Token& token = tokens_[i];
      if (IsSymbol(token, "(")) {
        stack.emplace_back();
      } else if (IsSymbol(token, ")")) {
        finish(stack.back());
        stack.pop_back();
      } else if (EndsSegment(token)) {
        finish(stack.back());
      } else if (IsSymbol(token, "+")) {
        stack.back().plusSigns.push_back(i);
      } else if (token.kind == Kind::String) {
        stack.back().hasText = true;
      }
    }
    finish(stack.back());
  }

  // "from 81": a table named by digits only.
  void QuoteNumericTableNames() {
    const Token* previous = nullptr;
    for (Token& token : tokens_) {
      if (token.kind == Kind::Space) continue;
      if (token.kind == Kind::Number && previous != nullptr &&
          (IsWord(*previous, "from") || IsWord(*previous, "join"))) {
        token.kind = Kind::Identifier;
        token.text = "\"" + token.text + "\"";
      }
      previous = &token;
    }
  }

  size_t NextSolid(size_t i, size_t end) const {
    while (i < end && tokens_[i].kind == Kind::Space) ++i;
    return i;
  }

  // Index of the first token at this depth in [begin, end) for which pred holds.
  template <typename Pred>
  size_t FindAtDepth(size_t begin, size_t end, Pred pred) const {
    for (size_t i = begin; i < end; ++i) {
      if (IsSymbol(tokens_[i], "(")) {
        i = match_[i];
        continue;
      }
      if (pred(i)) return i;
    }
    return end;
  }

  std::string RenderRange(size_t begin, size_t end) {
    std::string out;
    RenderRangeInto(begin, end, out);
    return out;
  }

  // Writes the tokens of [begin, end) into `out`, rewriting every select in it.
  void RenderRangeInto(size_t begin, size_t end, std::string& out) {
    bool compound =
        FindAtDepth(begin, end, [this](size_t i) { return IsWord(tokens_[i], "union"); }) != end;
    for (size_t i = begin; i < end;) {
      const Token& token = tokens_[i];
      if (IsSymbol(token, "(")) {
        out += '(';
        RenderRangeInto(i + 1, match_[i], out);
        out += ')';
        i = match_[i] + 1;
      } else if (IsWord(token, "select")) {
        size_t stop =
            FindAtDepth(i + 1, end, [this](size_t k) { return IsWord(tokens_[k], "union"); });
        RenderSelectInto(i, stop, compound, out);
        i = stop;
      } else {
        out += token.text;
        ++i;
      }
    }
  }

  // One select from its "select" keyword up to `end` (a union or the end of its group).
  void RenderSelectInto(size_t select, size_t end, bool compound, std::string& out) {
    size_t bodyStart = select + 1;
    std::string top;
    size_t t = NextSolid(select + 1, end);
    if (t < end && IsWord(tokens_[t], "top")) {
      size_t n = NextSolid(t + 1, end);
      if (n >= end || tokens_[n].kind != Kind::Number)
        throw DataError("Syntax error: top needs a number");
      top = tokens_[n].text;
      bodyStart = n + 1;
    }
    const std::string& keyword = tokens_[select].text;
    if (top.empty()) {
      out += keyword;
      RenderRangeInto(bodyStart, end, out);
      return;
    }
    size_t order = FindAtDepth(bodyStart, end, [this, end](size_t k) {
      size_t next = NextSolid(k + 1, end);
      return IsWord(tokens_[k], "order") && next < end && IsWord(tokens_[next], "by");
    });
    std::string body = RenderRange(bodyStart, order);
    std::string ordering = RenderRange(order, end);
    std::string limited;
    if (order == end) {
      limited = keyword + " " + body + " limit " + top;
    } else {
      // Jet returns the rows tied with the n-th one as well: count the rows whose
      // rank within the same order is at most n, and take that many.
      size_t from =
          FindAtDepth(bodyStart, order, [this](size_t k) { return IsWord(tokens_[k], "from"); });
      if (from == order) throw DataError("Syntax error: top with order by needs a from clause");
      size_t by = NextSolid(NextSolid(order + 1, end) + 1, end);
      std::string keys = RenderRange(by, end);
      limited = keyword + " " + body + ordering +
                " limit (select count(*) from (select rank() over (order by " + keys +
                ") as zz_rank " + RenderRange(from, order) + ") where zz_rank <= " + top + ")";
    }
    out += compound ? "select * from (" + limited + ")" : limited;
  }

  std::vector<Token> tokens_;
  std::vector<size_t> match_;
};

}  // namespace

std::string TranslateJetSql(std::string_view jetSql) {
  Translator translator(Tokenize(jetSql));
  return translator.Render();
}

}  // namespace zorvan
