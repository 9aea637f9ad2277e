#include "data/ReferenceStore.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "data/JetSql.h"
#include "text/Gbk.h"
#include "text/Text.h"

namespace zorvan {
namespace {

// A fixture directory with small databases under the real file names.
class StoreFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    directory_ =
        std::filesystem::temp_directory_path() / ("zorvan-store-" + std::to_string(getpid()));
    std::filesystem::create_directories(directory_);
    Create("Zorvan.dll", R"(
      CREATE TABLE word (id INTEGER, zi TEXT, ft TEXT, bh INTEGER, wuhang TEXT, px INTEGER, xb TEXT);
      INSERT INTO word VALUES (1,'王','王',4,'土',10,'姓'), (2,'晨','晨',11,'金',3,'男'),
        (3,'浩','浩',11,'水',1,'男'), (4,'明','明',8,'火',2,'男'), (5,'怡','怡',9,'土',4,'女'),
        (6,'张','張',11,'火',5,'姓'), (7,'宇','宇',6,'土',6,'0');
      CREATE TABLE zh (lx INTEGER, bh11 INTEGER, bh12 INTEGER, bh21 INTEGER, bh22 INTEGER, zf INTEGER, xb TEXT, jxjx INTEGER);
      INSERT INTO zh VALUES (12,4,0,8,11,95,'0',1), (12,4,0,11,8,90,'0',1), (12,4,0,11,11,90,'0',1),
        (12,4,0,6,9,85,'0',2), (12,4,0,9,6,85,'0',3), (11,4,0,11,0,88,'0',1),
        (22,15,17,8,10,90,'男',1), (22,15,17,8,10,90,'女',1), (22,15,17,8,6,80,'男',2),
        (21,15,17,8,0,84,'0',1), (21,15,17,6,0,70,'女',2);)");
    Create("VelFile.dll", R"(
      CREATE TABLE bihua (hanzi TEXT, num INTEGER);
      INSERT INTO bihua VALUES ('王玉',4), ('张張',11), ('%_\',3), ('明', NULL);
      CREATE TABLE "81" (num INTEGER, yy TEXT, jx TEXT, "as" TEXT, content TEXT);
      INSERT INTO "81" VALUES (15,'福寿','大吉','暗示','内容');
      CREATE TABLE sancai (title TEXT, djc INTEGER);
      INSERT INTO sancai VALUES ('木火土',1);
      CREATE TABLE sancai2009 (title TEXT, yy TEXT, jcy TEXT, jx1 TEXT, cgy TEXT, jx2 TEXT, rjgx TEXT, jx3 TEXT, xg TEXT);
      INSERT INTO sancai2009 VALUES ('木火土',' 一 ','二','三','四','五','六','七','八');)");
    Create("VelBirth.dll", R"(
      CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT);
      INSERT INTO Noter VALUES ('XM001','姓名学','正文');
      CREATE TABLE huangdao (gn DATE, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT, cong TEXT, pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT);
      INSERT INTO huangdao (gn, yi) VALUES ('2023-01-05','嫁娶');)");
    Create("dream.dll", R"(
      CREATE TABLE JMTable (TITLE TEXT, CONENT TEXT, CLASEID INTEGER);
      INSERT INTO JMTable VALUES ('梦见蛇','吉',2), ('梦见大蛇','凶',2), ('梦见老师','平',1);
      CREATE TABLE Tclass (ZMID INTEGER, ZMCLASS TEXT);
      INSERT INTO Tclass VALUES (2,'动物'), (1,'人物');
      CREATE TABLE shouji (num TEXT, title TEXT, jx TEXT, content TEXT);
      INSERT INTO shouji VALUES ('1234','标题','吉','内容');
      CREATE TABLE chenggu1 (year TEXT, weight REAL);
      INSERT INTO chenggu1 VALUES ('1990', 0.9);
      CREATE TABLE chenggu (weight TEXT, content TEXT, content2 TEXT);
      INSERT INTO chenggu VALUES ('29','甲','乙');)");
    Create("Tgcode.dll", R"(
      CREATE TABLE hzwh (hz TEXT, wh TEXT);
      INSERT INTO hzwh VALUES ('金银',' 金 ');
      CREATE TABLE Shishen (jiazi TEXT, ShiShen TEXT);
      INSERT INTO Shishen VALUES ('甲乙','劫财');
      CREATE TABLE sjrs (wh TEXT, sj TEXT, sjrs TEXT);
      INSERT INTO sjrs VALUES ('木','春','得令');
      CREATE TABLE jiazi (jiazi TEXT, layin TEXT);
      INSERT INTO jiazi VALUES ('甲子','海中金');
      CREATE TABLE qtbj (tg TEXT, dz TEXT, content TEXT);
      INSERT INTO qtbj VALUES ('甲','子','寒木');)");
    SetProgramDirectory(directory_.string());
  }
  static void TearDownTestSuite() { std::filesystem::remove_all(directory_); }

  static void Create(const std::string& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((directory_ / file).c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << error;
    sqlite3_free(error);
    sqlite3_close(db);
  }

  // Runs a Jet SQL text written in UTF-8 and returns the rows, fields joined by '|'.
  static std::vector<std::string> Rows(std::string_view file, std::string_view sqlUtf8) {
    ReferenceStore store(ConnectionStringFor(file));
    store.Open(Gbk(sqlUtf8));
    std::vector<std::string> rows;
    for (store.First(); !store.Eof(); store.Next()) {
      std::string row;
      for (int i = 0; i < store.FieldCount(); ++i)
        row += (i ? "|" : "") + GbkToUtf8(store.FieldText(i));
      rows.push_back(row);
    }
    return rows;
  }

  static std::filesystem::path directory_;
};
std::filesystem::path StoreFixture::directory_;

using Rowset = std::vector<std::string>;

TEST(ConnectionText, NamesTheFileInTheProgramDirectory) {
  SetProgramDirectory("/opt/zorvan");
  EXPECT_EQ(ConnectionStringFor("Zorvan.dll"),
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/zorvan/Zorvan.dll;Persist Security "
            "Info=False");
  EXPECT_EQ(ConnectionStringFor("VelFile.dll"),
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/zorvan/VelFile.dll;Persist Security "
            "Info=True");
  EXPECT_EQ(DataSourceOf(ConnectionStringFor("dream.dll")), "/opt/zorvan/dream.dll");
}

TEST(JetSql, TranslatesTheDialect) {
  struct Case {
    const char* name;
    const char* jet;
    const char* sqlite;
  } cases[] = {
      {"numeric table name", "Select * from 81 where num = 15",
       "Select * from \"81\" where num = 15"},
      {"date literal padded", "Select top 1 * from huangdao where gn = #2023-1-5#",
       "Select  * from huangdao where gn = '2023-01-05' limit 1"},
      {"text concatenation", "select '王' + a.zi + '(85分)',(a.px + a.id) as px from (x) a",
       "select '王' || a.zi || '(85分)',(a.px + a.id) as px from (x) a"},
      {"arithmetic stays", "select zi,px + 551 as px,id from word",
       "select zi,px + 551 as px,id from word"},
      {"double quotes are texts", "select * from t where a = \"it's\"",
       "select * from t where a = 'it''s'"},
      {"top in derived table",
       "select * from (select top 1 '晨' as zi, 120 as px, 131 as id from word ) a",
       "select * from (select  '晨' as zi, 120 as px, 131 as id from word  limit 1) a"},
      {"top with ties", "select top 2 bh21 from zh where lx = 12 order by jxjx asc,zf asc",
       "select  bh21 from zh where lx = 12 order by jxjx asc,zf asc limit (select count(*) from "
       "(select rank() over (order by jxjx asc,zf asc) as zz_rank from zh where lx = 12 ) where "
       "zz_rank <= 2)"},
  };
  for (const Case& c : cases) EXPECT_EQ(TranslateJetSql(c.jet), c.sqlite) << c.name;
}

TEST(JetSql, RejectsWhatItCannotRead) {
  for (const char* bad :
       {"select * from t where a = 'open", "select (1", "select 1)",
        "select * from huangdao where gn = #2023-2-30#", "select * from t where d = #2023"}) {
    EXPECT_THROW(TranslateJetSql(bad), DataError) << bad;
  }
}

// Every SQL text the program sends, filled with realistic values.
TEST_F(StoreFixture, AnswersEveryQueryOfTheProgram) {
  struct Case {
    std::string_view file;
    const char* sql;
    Rowset rows;
  } cases[] = {
      {kBirthDb, "select Tite,content from Noter where Cid = 'XM001'", {"姓名学|正文"}},
      {kNumerologyDb, "Select num from bihua where hanzi like '%张%'", {"11"}},
      {kNumerologyDb, "Select num from bihua where hanzi like '%鑫%'", {}},
      {kNumerologyDb, "Select * from 81 where num = 15", {"15|福寿|大吉|暗示|内容"}},
      {kNumerologyDb, "Select djc from sancai where title = '木火土' ", {"1"}},
      {kNumerologyDb,
       "Select top 1 * from sancai2009 where title = '木火土'",
       {"木火土| 一 |二|三|四|五|六|七|八"}},
      {kNamingDb, "select bh from word where zi = '張' or ft = '張' ", {"11"}},
      {kNamingDb, "select wuhang from word where zi = '明' or ft = '明' ", {"火"}},
      {kNamingDb,
       "select top 1 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 12 and "
       "bh11 = 4 \r\n"
       " order by jxjx asc,zf asc",
       {"4|0|11|8|90", "4|0|11|11|90"}},
      {kNamingDb,
       "select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 11 "
       "and bh11 = 4 \r\n"
       " order by jxjx asc,zf asc",
       {"4|0|11|0|88"}},
      {kNamingDb,
       "select * from (select '王' + a.zi + b.zi + '(85分)',(a.px + b.px + a.id) as px from "
       "(select zi,px + 551 as px,id from word where 1 = 1  and xb = '男'  and bh = 8) a , "
       "(select zi,px + 5000 as px,id from word where 1 = 1  and xb = '男'  and bh = 11) b) p "
       "order by px ",
       {"王明浩(85分)|5558", "王明晨(85分)|5560"}},
      {kNamingDb,
       "select * from (select '王' + a.zi + b.zi + '(85分)',(a.px + b.px + a.id) as px from "
       "(select top 1 '晨' as zi, 120 as px, 131 as id from word ) a , "
       "(select zi,px + 5000 as px,id from word where 1 = 1  and (xb = '男' or xb = '0')  and bh = "
       "6) b) p order by px ",
       {"王晨宇(85分)|5257"}},
      {kNamingDb,
       "select * from (select '王' + a.zi + '(88分)',(a.px+ a.id) as px from (select zi,px + 1000 "
       "as px,id from word "
       "where 1 = 1  and ( wuhang = '金' or  wuhang = '水' )  and (xb = '男' or xb = '0')  and bh "
       "= 11) a \r\n union \r\n"
       "select '王' + a.zi + '(88分)',(a.px+ a.id) as px from (select top 1 '明' as zi,11 as px, "
       "100 as id from word ) a ) p order by px",
       {"王明(88分)|111", "王浩(88分)|1004", "王晨(88分)|1005"}},
      {kNamingDb,
       "select top 80 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 22 and "
       "bh11 = 15 and "
       "bh12 = 17 \r\n and bh21 = 8 \r\n and xb = '男' \r\n and zf >= 85 \r\n order by jxjx asc,zf "
       "asc",
       {"15|17|8|10|90"}},
      {kNamingDb,
       "select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 21 and "
       "bh11 = 15 and "
       "bh12 = 17 \r\n and (xb = '女' or xb = '0') \r\n order by jxjx asc,zf asc",
       {"15|17|8|0|84", "15|17|6|0|70"}},
      {kNamingDb, "select wuhang from word where zi = '張' or ft = '張' ", {"火"}},
      {kPillarDb, "select top 1 wh from hzwh where hz like '%银%'", {" 金 "}},
      {kPillarDb, "select top 1 layin from jiazi where jiazi = '甲子' ", {"海中金"}},
      {kPillarDb, "select top 1 ShiShen from Shishen where jiazi = '甲乙' ", {"劫财"}},
      {kPillarDb, "select  top 1 sjrs from sjrs where wh = '木' and sj = '春' ", {"得令"}},
      {kPillarDb, "select  top 1 content from qtbj where tg = '甲' and dz = '子' ", {"寒木"}},
      {kDreamDb, "Select weight from chenggu1 where year ='1990'", {"0.9"}},
      {kDreamDb, "Select content,content2 from chenggu where weight ='29'", {"甲|乙"}},
      {kBirthDb,
       "Select top 1 * from huangdao where gn = #2023-1-5#",
       {"2023-01-05||||||||嫁娶||"}},
      {kDreamDb, "Select ZMID,ZMCLASS from Tclass order by ZMID asc", {"1|人物", "2|动物"}},
      {kDreamDb,
       " Select TITLE from JMTable where CLASEID = (Select ZMID from Tclass where ZMCLASS = "
       "'动物')",
       {"梦见蛇", "梦见大蛇"}},
      {kDreamDb, "select top 1 TITLE,CONENT from JMTable where TITLE = '梦见蛇'", {"梦见蛇|吉"}},
      {kDreamDb,
       "select TITLE,CONENT from JMTable where TITLE like '%蛇%'",
       {"梦见蛇|吉", "梦见大蛇|凶"}},
      {kDreamDb, "select title,jx,content from shouji where num = '1234'", {"标题|吉|内容"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Rows(c.file, c.sql), c.rows) << c.sql;
}

TEST_F(StoreFixture, UserTextNeverBreaksAStatement) {
  // Quoted by the standard rule, wildcards typed by the user act as wildcards.
  for (std::string typed : {"'", "%", "_", "\\", "O'Neil", "\xD5"}) {
    std::string sql = Gbk("Select num from bihua where hanzi like ") + QuotedSql("%" + typed + "%");
    ReferenceStore store(ConnectionStringFor(kNumerologyDb));
    EXPECT_NO_THROW(store.Open(sql)) << typed;
  }
  EXPECT_EQ(Rows(kNumerologyDb, "Select num from bihua where hanzi like '%\\%'"), Rowset{"3"});
  // Half a character at the end of a key finds nothing.
  ReferenceStore store(ConnectionStringFor(kNamingDb));
  store.Open(Gbk("select bh from word where zi = '") + Gbk("王").substr(0, 1) + "' ");
  EXPECT_TRUE(store.IsEmpty());
}

TEST_F(StoreFixture, NullsAndErrors) {
  ReferenceStore store(ConnectionStringFor(kNumerologyDb));
  store.Open(Gbk("Select hanzi, num from bihua where hanzi = '明'"));
  ASSERT_EQ(store.RecordCount(), 1);
  EXPECT_EQ(store.FieldText("num"), "");
  EXPECT_EQ(store.FieldInt("NUM"), 0);
  EXPECT_EQ(store.FieldReal(1), 0.0);
  EXPECT_THROW(store.FieldText("missing"), DataError);
  EXPECT_THROW(store.FieldText(5), DataError);
  EXPECT_THROW(store.FieldInt(0), ConversionError);
  store.Next();
  EXPECT_TRUE(store.Eof());
  EXPECT_THROW(store.FieldText(0), DataError);
  EXPECT_THROW(store.Open("select * from nowhere"), DataError);
  EXPECT_FALSE(store.IsOpen());

  ReferenceStore missing(ConnectionStringFor("absent.dll"));
  EXPECT_THROW(missing.Open("select 1"), DataError);

  // A file that is not a database says so.
  std::filesystem::path text = directory_ / "notes.dll";
  std::FILE* file = std::fopen(text.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs("not a database, just some text long enough to fill a header page....", file);
  std::fclose(file);
  ReferenceStore notDatabase(ConnectionStringFor("notes.dll"));
  try {
    notDatabase.Open("select num from bihua");
    ADD_FAILURE() << "opened a text file";
  } catch (const DataError& e) {
    EXPECT_NE(std::string(e.what()).find("Unrecognized database format"), std::string::npos)
        << e.what();
  }
}

TEST_F(StoreFixture, MalformedStatementsAreDataErrors) {
  ReferenceStore store(ConnectionStringFor(kNumerologyDb));
  for (const char* bad : {"select top", "select top x from bihua", "select top 1 num order",
                          "select top 1 num from bihua order by", "order by", ""}) {
    EXPECT_THROW(store.Open(bad), DataError) << bad;
    EXPECT_FALSE(store.IsOpen());
  }
}

TEST_F(StoreFixture, PositionsToAnyRow) {
  ReferenceStore store(ConnectionStringFor(kNamingDb));
  store.Open("select id from word order by id");
  ASSERT_EQ(store.RecordCount(), 7);
  store.MoveTo(5);
  EXPECT_EQ(store.FieldInt(0), 5);
  store.MoveTo(1);
  EXPECT_EQ(store.FieldInt("id"), 1);
  EXPECT_THROW(store.MoveTo(8), DataError);
}

TEST_F(StoreFixture, SharedConnectionServesSeveralQueries) {
  auto connection = std::make_shared<ReferenceConnection>(ConnectionStringFor(kNamingDb));
  ReferenceStore lookup(connection);
  ReferenceStore names(connection);
  lookup.Open("select count(*) from word");
  names.Open("select count(*) from zh");
  EXPECT_EQ(lookup.FieldInt(0), 7);
  EXPECT_EQ(names.FieldInt(0), 11);
  lookup.Close();
  names.Open("select count(*) from word");
  EXPECT_EQ(names.FieldInt(0), 7);
}

TEST_F(StoreFixture, DatabasesOpenReadOnly) {
  ReferenceStore store(ConnectionStringFor(kNamingDb));
  EXPECT_THROW(store.Open("delete from word"), DataError);
  store.Open("select count(*) from word");
  EXPECT_EQ(store.FieldInt(0), 7);
}

}  // namespace
}  // namespace zorvan
