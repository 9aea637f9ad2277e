#include <string>

#include "commands/Command.h"
#include "data/ReferenceStore.h"
#include "text/Gbk.h"

namespace zorvan::cli {
namespace {

// zorvan-cli sql FILE 'STATEMENT': one Jet SQL text through the reference store,
// the rows tab-separated.
int RunSql(const Args& args, CliIo& io) {
  if (args.size() != 2) throw std::invalid_argument("needs a database file and one statement");
  ReferenceStore store(ConnectionStringFor(args[0]));
  store.Open(Utf8ToGbk(args[1]));
  for (store.First(); !store.Eof(); store.Next()) {
    std::string line;
    for (int i = 0; i < store.FieldCount(); ++i) {
      if (i > 0) line += '\t';
      line += store.FieldText(i);
    }
    io.Line(line);
  }
  return 0;
}

ZORVAN_CLI_COMMAND(
    "sql", "sql FILE 'STATEMENT'   run one SQL text on a reference database (e.g. Zorvan.dll)",
    RunSql);

}  // namespace
}  // namespace zorvan::cli
