#pragma once

#include <string>
#include <string_view>

namespace zorvan {

// Translates an SQL text written for the Jet engine (as UTF-8) into SQLite's
// dialect, keeping what it answers:
//  - "top n": with an "order by" in the same select, rows tied with the n-th row
//    on every order key come too; without one, the first n rows;
//  - "#2023-1-5#" date literals become '2023-01-05' texts;
//  - a table named by bare digits ("from 81") is quoted;
//  - "+" joining texts (a chain with a string literal in it) becomes "||";
//  - double-quoted and single-quoted literals both read as texts.
// Throws DataError for a text it cannot read (an unterminated literal, a bad date,
// unbalanced parentheses).
std::string TranslateJetSql(std::string_view jetSql);

}  // namespace zorvan
