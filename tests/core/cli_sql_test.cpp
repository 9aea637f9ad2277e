#include <gtest/gtest.h>

#include <sstream>

#include "TestConfig.h"
#include "commands/Command.h"
#include "data/ReferenceStore.h"

namespace zorvan::cli {
namespace {

struct Result {
  int code;
  std::string out;
  std::string err;
};

Result RunCommand(std::vector<std::string> args) {
  SetProgramDirectory(ZORVAN_BIN_DIR);
  std::ostringstream out;
  std::ostringstream err;
  int code = RunCli(args, out, err);
  return {code, out.str(), err.str()};
}

TEST(CliSql, PrintsRowsTabSeparated) {
  Result r = RunCommand({"sql", "VelFile.dll", "select 1 + 1, '甲' + '乙', null"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "2\t甲乙\t\n");
  Result gbk = RunCommand({"--gbk", "sql", "VelFile.dll", "select '王'"});
  EXPECT_EQ(gbk.out, "\xCD\xF5\n");
}

TEST(CliSql, ErrorsGoToStderrWithNonZeroExit) {
  Result bad = RunCommand({"sql", "VelFile.dll", "select * from nowhere"});
  EXPECT_NE(bad.code, 0);
  EXPECT_TRUE(bad.out.empty());
  EXPECT_NE(bad.err.find("nowhere"), std::string::npos);
  EXPECT_NE(RunCommand({"sql", "missing.dll", "select 1"}).code, 0);
  EXPECT_EQ(RunCommand({"sql"}).code, 2);
  EXPECT_EQ(RunCommand({"nosuchcommand"}).code, 2);
}

TEST(CliSql, HelpListsTheCommands) {
  Result help = RunCommand({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("sql FILE"), std::string::npos);
}

}  // namespace
}  // namespace zorvan::cli
