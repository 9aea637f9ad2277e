#include "data/ReferenceStore.h"

#include <sqlite3.h>
#include <strings.h>
#include <unistd.h>

#include <climits>
#include <cmath>

#include "data/JetSql.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {
namespace {

std::string ExecutableDirectory() {
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "./";
  std::string full(path, static_cast<size_t>(length));
  return full.substr(0, full.rfind('/') + 1);
}

std::string& ProgramDirectoryStorage() {
  static std::string directory = ExecutableDirectory();
  return directory;
}

constexpr std::string_view kSourceKey = "Data Source=";

}  // namespace

const std::string& ProgramDirectory() { return ProgramDirectoryStorage(); }

void SetProgramDirectory(std::string directory) {
  if (!directory.empty() && directory.back() != '/') directory += '/';
  ProgramDirectoryStorage() = std::move(directory);
}

std::string ConnectionStringFor(std::string_view file) {
  std::string security = file == kNamingDb ? "False" : "True";
  return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + ProgramDirectory() + std::string(file) +
         ";Persist Security Info=" + security;
}

std::string DataSourceOf(std::string_view connectionString) {
  size_t at = connectionString.find(kSourceKey);
  if (at == std::string_view::npos) return {};
  at += kSourceKey.size();
  size_t end = connectionString.find(';', at);
  return std::string(connectionString.substr(at, end == std::string_view::npos ? end : end - at));
}

ReferenceConnection::ReferenceConnection(std::string_view connectionString)
    : file_(DataSourceOf(connectionString)) {
  if (file_.empty()) throw DataError("The connection text names no data source");
  int rc =
      sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_close(db_);
    db_ = nullptr;
    throw DataError("Could not find file '" + file_ + "'.");
  }
}

ReferenceConnection::~ReferenceConnection() { sqlite3_close(db_); }

ReferenceStore::ReferenceStore(std::string connectionString)
    : connectionString_(std::move(connectionString)), ownsConnection_(true) {}

ReferenceStore::ReferenceStore(std::shared_ptr<ReferenceConnection> connection)
    : connection_(std::move(connection)) {}

void ReferenceStore::Close() {
  open_ = false;
  columns_.clear();
  rows_.clear();
  current_ = 0;
  if (ownsConnection_) connection_.reset();
}

void ReferenceStore::Open(std::string_view sql) {
  Close();
  if (ownsConnection_) {
    connection_ = std::make_shared<ReferenceConnection>(connectionString_);
  }
  if (!connection_ || connection_->Handle() == nullptr) throw DataError("The connection is closed");
  std::string translated = TranslateJetSql(GbkToUtf8(sql));
  sqlite3* db = connection_->Handle();
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, translated.c_str(), static_cast<int>(translated.size()), &statement,
                         nullptr) != SQLITE_OK) {
    // SQLite reads a file's header only when it first prepares a statement.
    std::string message = sqlite3_extended_errcode(db) == SQLITE_NOTADB
                              ? "Unrecognized database format '" + connection_->FileName() + "'"
                              : sqlite3_errmsg(db);
    sqlite3_finalize(statement);
    Close();
    throw DataError(Utf8ToGbk(message));
  }
  if (statement == nullptr) {
    Close();
    throw DataError("The SQL statement is empty");
  }
  int count = sqlite3_column_count(statement);
  for (int i = 0; i < count; ++i) columns_.push_back(Utf8ToGbk(sqlite3_column_name(statement, i)));
  int rc;
  while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    std::vector<Value> row(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
      Value& value = row[static_cast<size_t>(i)];
      switch (sqlite3_column_type(statement, i)) {
        case SQLITE_NULL:
          break;
        case SQLITE_INTEGER:
          value.isNull = false;
          value.text = std::to_string(sqlite3_column_int64(statement, i));
          break;
        case SQLITE_FLOAT:
          value.isNull = false;
          value.text = FormatDecimal(sqlite3_column_double(statement, i));
          break;
        default: {
          value.isNull = false;
          auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
          value.text = Utf8ToGbk(
              std::string_view(text, static_cast<size_t>(sqlite3_column_bytes(statement, i))));
        }
      }
    }
    rows_.push_back(std::move(row));
  }
  if (rc != SQLITE_DONE) {
    std::string message = sqlite3_errmsg(db);
    sqlite3_finalize(statement);
    Close();
    throw DataError(Utf8ToGbk(message));
  }
  sqlite3_finalize(statement);
  open_ = true;
  current_ = 0;
}

void ReferenceStore::MoveTo(int recordNumber) {
  if (recordNumber < 1 || recordNumber > RecordCount()) {
    throw DataError("Record " + std::to_string(recordNumber) + " is out of range");
  }
  current_ = static_cast<size_t>(recordNumber - 1);
}

int ReferenceStore::ColumnIndex(std::string_view column) const {
  std::string wanted = Trim(column);
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (strcasecmp(columns_[i].c_str(), wanted.c_str()) == 0) return static_cast<int>(i);
  }
  throw DataError("Field '" + wanted + "' not found");
}

const ReferenceStore::Value& ReferenceStore::At(int position) const {
  if (!open_) throw DataError("Cannot perform this operation on a closed dataset");
  if (Eof()) throw DataError("Either BOF or EOF is True, or the current record has been deleted");
  if (position < 0 || position >= FieldCount()) {
    throw DataError("Field index " + std::to_string(position) + " out of range");
  }
  return rows_[current_][static_cast<size_t>(position)];
}

std::string ReferenceStore::FieldText(int position) const { return At(position).text; }
std::string ReferenceStore::FieldText(std::string_view column) const {
  return FieldText(ColumnIndex(column));
}

bool ReferenceStore::FieldIsNull(int position) const { return At(position).isNull; }

int ReferenceStore::FieldInt(int position) const {
  const Value& value = At(position);
  if (value.isNull) return 0;
  double real = 0;
  int integer = 0;
  if (TryStrToInt(value.text, integer)) return integer;
  try {
    size_t used = 0;
    real = std::stod(value.text, &used);
    if (used == value.text.size()) return static_cast<int>(std::lround(real));
  } catch (const std::exception&) {
  }
  throw ConversionError("'" + value.text + "' is not a valid integer value");
}
int ReferenceStore::FieldInt(std::string_view column) const {
  return FieldInt(ColumnIndex(column));
}

double ReferenceStore::FieldReal(int position) const {
  const Value& value = At(position);
  if (value.isNull) return 0;
  try {
    size_t used = 0;
    double real = std::stod(value.text, &used);
    if (used == value.text.size()) return real;
  } catch (const std::exception&) {
  }
  throw ConversionError("'" + value.text + "' is not a valid floating point value");
}
double ReferenceStore::FieldReal(std::string_view column) const {
  return FieldReal(ColumnIndex(column));
}

}  // namespace zorvan
