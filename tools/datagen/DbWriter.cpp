#include "DbWriter.h"

#include <sqlite3.h>

#include <fstream>
#include <stdexcept>

namespace zorvan::datagen {

DbWriter::DbWriter(const std::filesystem::path& file) : file_(file) {
  temp_ = file;
  temp_ += ".tmp";
  std::filesystem::remove(temp_);
  if (sqlite3_open(temp_.c_str(), &db_) != SQLITE_OK) {
    throw std::runtime_error("cannot create " + temp_.string());
  }
  Exec("PRAGMA journal_mode = OFF");
  Exec("PRAGMA synchronous = OFF");
  Exec("BEGIN");
}

DbWriter::~DbWriter() {
  if (db_ != nullptr) {
    sqlite3_close(db_);
    std::filesystem::remove(temp_);
  }
}

void DbWriter::Exec(std::string_view sql) {
  char* message = nullptr;
  if (sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    std::string text = message != nullptr ? message : "unknown error";
    sqlite3_free(message);
    throw std::runtime_error(file_.filename().string() + ": " + text + " in: " + std::string(sql));
  }
}

std::string DbWriter::ColumnType(std::string_view table, std::string_view column) {
  std::string sql = "SELECT type FROM pragma_table_info('" + std::string(table) +
                    "') WHERE name = '" + std::string(column) + "' COLLATE NOCASE";
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr);
  std::string type;
  if (statement != nullptr && sqlite3_step(statement) == SQLITE_ROW) {
    type = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
  }
  sqlite3_finalize(statement);
  if (type.empty())
    throw std::runtime_error("no column " + std::string(column) + " in " + std::string(table));
  return type;
}

void DbWriter::Insert(std::string_view table, const std::vector<std::string>& columns,
                      const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::string> types;
  std::string sql = "INSERT INTO \"" + std::string(table) + "\" (";
  std::string marks;
  for (size_t i = 0; i < columns.size(); ++i) {
    types.push_back(ColumnType(table, columns[i]));
    sql += (i ? ", \"" : "\"") + columns[i] + "\"";
    marks += i ? ", ?" : "?";
  }
  sql += ") VALUES (" + marks + ")";
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
    throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
  }
  for (const auto& row : rows) {
    if (row.size() != columns.size()) {
      sqlite3_finalize(statement);
      throw std::runtime_error("row of " + std::to_string(row.size()) + " cells for " +
                               std::to_string(columns.size()) + " columns in " +
                               std::string(table));
    }
    for (size_t i = 0; i < row.size(); ++i) {
      int index = static_cast<int>(i) + 1;
      if (types[i] == "INTEGER" && !row[i].empty()) {
        sqlite3_bind_int64(statement, index, std::stoll(row[i]));
      } else if (types[i] == "REAL" && !row[i].empty()) {
        sqlite3_bind_double(statement, index, std::stod(row[i]));
      } else if (types[i] == "DATE" || types[i] == "TEXT") {
        sqlite3_bind_text(statement, index, row[i].c_str(), static_cast<int>(row[i].size()),
                          SQLITE_TRANSIENT);
      } else {
        sqlite3_bind_null(statement, index);
      }
    }
    if (sqlite3_step(statement) != SQLITE_DONE) {
      std::string error = sqlite3_errmsg(db_);
      sqlite3_finalize(statement);
      throw std::runtime_error(error + " inserting into " + std::string(table));
    }
    sqlite3_reset(statement);
  }
  sqlite3_finalize(statement);
}

void DbWriter::Finish() {
  Exec("COMMIT");
  Exec("ANALYZE");
  Exec("VACUUM");
  sqlite3_close(db_);
  db_ = nullptr;
  std::filesystem::rename(temp_, file_);
}

Table ReadTsv(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  Table table;
  std::string line;
  auto split = [](const std::string& text) {
    std::vector<std::string> cells;
    size_t start = 0;
    while (true) {
      size_t tab = text.find('\t', start);
      cells.push_back(
          text.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    return cells;
  };
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (table.columns.empty()) {
      table.columns = split(line);
    } else {
      table.rows.push_back(split(line));
      if (table.rows.back().size() != table.columns.size()) {
        throw std::runtime_error(file.string() + ": a line with " +
                                 std::to_string(table.rows.back().size()) + " cells: " + line);
      }
    }
  }
  return table;
}

void LoadTsvIfPresent(DbWriter& db, const Sources& sources, std::string_view folder,
                      std::string_view table) {
  std::filesystem::path file = sources.data / folder / (std::string(table) + ".tsv");
  if (!std::filesystem::exists(file)) return;
  Table contents = ReadTsv(file);
  db.Insert(table, contents.columns, contents.rows);
}

std::vector<std::string> Utf8Characters(std::string_view text) {
  std::vector<std::string> characters;
  for (size_t i = 0; i < text.size();) {
    auto lead = static_cast<unsigned char>(text[i]);
    size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    characters.emplace_back(text.substr(i, n));
    i += n;
  }
  return characters;
}

char32_t CodePointOf(std::string_view c) {
  auto b = [&](size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(c[i])); };
  if (c.empty()) return 0;
  if (b(0) < 0x80) return b(0);
  if (b(0) < 0xE0 && c.size() >= 2) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
  if (b(0) < 0xF0 && c.size() >= 3)
    return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
  if (c.size() >= 4) {
    return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
  }
  return 0;
}

std::string Utf8Of(char32_t cp) {
  std::string out;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

}  // namespace zorvan::datagen
