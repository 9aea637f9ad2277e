#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace zorvan {

// A failure of the data layer: a database that cannot be opened, an SQL text
// that cannot be translated or that the engine rejects. The message is shown to
// the user where a lookup surfaces its errors.
class DataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The five reference database files beside the executables.
inline constexpr std::string_view kNamingDb = "Zorvan.dll";
inline constexpr std::string_view kNumerologyDb = "VelFile.dll";
inline constexpr std::string_view kBirthDb = "VelBirth.dll";
inline constexpr std::string_view kDreamDb = "dream.dll";
inline constexpr std::string_view kPillarDb = "Tgcode.dll";

// The directory of the running executable, with its trailing separator. Tests
// may point it elsewhere (a fixture directory).
const std::string& ProgramDirectory();
void SetProgramDirectory(std::string directory);

// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<dir><file>;Persist Security Info=..."
// (False for Zorvan.dll, True for the others).
std::string ConnectionStringFor(std::string_view file);

// The database file a connection text names ("Data Source=" up to ";").
std::string DataSourceOf(std::string_view connectionString);

// One open, read-only connection to a reference database. Several queries may
// share it (the main window's two queries on Zorvan.dll).
class ReferenceConnection {
 public:
  explicit ReferenceConnection(std::string_view connectionString);  // throws DataError
  ~ReferenceConnection();
  ReferenceConnection(const ReferenceConnection&) = delete;
  ReferenceConnection& operator=(const ReferenceConnection&) = delete;

  sqlite3* Handle() const { return db_; }
  const std::string& FileName() const { return file_; }

 private:
  sqlite3* db_ = nullptr;
  std::string file_;
};

// Runs one SQL text in the Jet dialect (GBK bytes) against one reference
// database and holds all its rows, so callers can ask for the record count and
// position to any row. Field texts come back as GBK bytes.
class ReferenceStore {
 public:
  // A store that opens its own connection with the connection text on Open().
  explicit ReferenceStore(std::string connectionString);
  // A store that runs on a shared connection.
  explicit ReferenceStore(std::shared_ptr<ReferenceConnection> connection);

  // Runs the SQL text (GBK). Throws DataError; the store is then closed.
  void Open(std::string_view sql);
  void Close();
  bool IsOpen() const { return open_; }

  // No rows, record count 0, or end of data right after opening.
  bool IsEmpty() const { return rows_.empty(); }
  int RecordCount() const { return static_cast<int>(rows_.size()); }
  bool Eof() const { return current_ >= rows_.size(); }
  void First() { current_ = 0; }
  void Next() { ++current_; }
  // Positions to a row counted from 1 (as the data layer's record number).
  void MoveTo(int recordNumber);

  const std::vector<std::string>& ColumnNames() const { return columns_; }
  int FieldCount() const { return static_cast<int>(columns_.size()); }

  // Fields of the current row. NULL reads as "" or 0. An unknown column or a
  // read past the end throws DataError.
  std::string FieldText(std::string_view column) const;
  std::string FieldText(int position) const;
  int FieldInt(std::string_view column) const;
  int FieldInt(int position) const;
  double FieldReal(std::string_view column) const;
  double FieldReal(int position) const;
  bool FieldIsNull(int position) const;

 private:
  struct Value {
    bool isNull = true;
    std::string text;  // GBK
  };
  int ColumnIndex(std::string_view column) const;
  const Value& At(int position) const;

  std::string connectionString_;
  std::shared_ptr<ReferenceConnection> connection_;
  bool ownsConnection_ = false;
  bool open_ = false;
  std::vector<std::string> columns_;  // GBK
  std::vector<std::vector<Value>> rows_;
  size_t current_ = 0;
};

// The three ways a lookup treats a data-access error.
enum class FailurePolicy {
  Swallow,      // the result is empty
  SilentAbort,  // the whole user action ends without a message
  Surface,      // the error is shown to the user and the action ends
};

// Thrown to end a user action silently (FailurePolicy::SilentAbort). Windows
// catch it and show nothing.
class SilentAbort : public std::runtime_error {
 public:
  SilentAbort() : std::runtime_error("action abandoned") {}
};

}  // namespace zorvan
