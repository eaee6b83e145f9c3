// Both connections against the real driver manager and SQLite3 ODBC driver:
// what opens, what fails and with which error, and that nothing is written.
#include <gtest/gtest.h>

#include "base/exception.h"
#include "db/alias_connection.h"
#include "db/connection_string_connection.h"
#include "db/query.h"
#include "odbc_test_sources.h"

namespace korvel::db {
namespace {

class Connections : public ::testing::Test {
 protected:
  void SetUp() override {
    test::odbcTestFolder();
    demoBefore_ = test::fileBytes(KORVEL_DEMO_DB);
    ASSERT_FALSE(demoBefore_.empty());
  }
  void TearDown() override {
    EXPECT_TRUE(test::fileBytes(KORVEL_DEMO_DB) == demoBefore_) << "demo database changed";
  }

  static std::filesystem::path demoFolder() { return std::filesystem::path(KORVEL_DEMO_DB).parent_path(); }

  template <typename Error, typename Action>
  static std::string failure(Action action) {
    try {
      action();
    } catch (const Error& e) {
      return e.what();
    }
    ADD_FAILURE() << "no error of the expected kind";
    return "";
  }

  std::string demoBefore_;
};

TEST_F(Connections, AliasConnectsToTheDataSource) {
  AliasConnection mdb;
  EXPECT_EQ(mdb.databaseName(), "mdb");
  EXPECT_FALSE(mdb.loginPrompt());
  mdb.setAliasName("KorvelDemo");
  mdb.params()[0] = "USER NAME=sklad";
  mdb.params()[1] = "PASSWORD=Sekret123";
  mdb.connect();
  EXPECT_TRUE(mdb.connected());
  EXPECT_EQ(mdb.serverKind(), ServerKind::Sqlite);
  mdb.disconnect();
  EXPECT_FALSE(mdb.connected());
}

TEST_F(Connections, ConnectionStringOpensTheFileBesideTheHost) {
  ConnectionStringConnection connection(demoFolder());
  EXPECT_EQ(connection.provider(), "SQLOLEDB.1");
  connection.setConnectionString("Provider=SQLite;Data Source=" +
                                 std::filesystem::path(KORVEL_DEMO_DB).filename().string());
  connection.open();
  EXPECT_EQ(connection.serverKind(), ServerKind::Sqlite);
  connection.close();
  EXPECT_FALSE(connection.connected());
}

TEST_F(Connections, AliasFailuresAreDatabaseEngineErrors) {
  AliasConnection mdb;
  mdb.params() = {"USER NAME=sa", "PASSWORD=Sekret123"};
  mdb.setAliasName("NoSuchAlias");
  const auto unknown = failure<EDBEngineError>([&] { mdb.connect(); });
  EXPECT_NE(unknown.find("Data source name not found"), std::string::npos) << unknown;
  EXPECT_EQ(unknown.find("Sekret123"), std::string::npos);
  mdb.setAliasName("");
  EXPECT_NE(failure<EDBEngineError>([&] { mdb.connect(); }).find("alias"), std::string::npos);
  mdb.setAliasName("KorvelBroken");
  EXPECT_NE(failure<EDBEngineError>([&] { mdb.connect(); }).find("not a database"), std::string::npos);
  EXPECT_FALSE(mdb.connected());
  mdb.setAliasName("KorvelMissing");
  EXPECT_FALSE(failure<EDBEngineError>([&] { mdb.connect(); }).empty());
}

TEST_F(Connections, ConnectionStringFailuresAreOleErrors) {
  struct Case {
    std::string connectionString;
    std::string message;
  };
  const Case cases[] = {
      {"", "The connection string is empty"},
      {"   ", "The connection string is empty"},
      {"Provider=Foo.Bar;Data Source=x", "Provider cannot be found"},
      {"Provider=SQLite", "'Data Source' is missing"},
      {"Provider=SQLite;Data Source=missing.db", "Database file not found: "},
      {"Provider=SQLite;Data Source=" + (test::odbcTestFolder() / "not-a-database.db").string(),
       "not a database"},
      {"Provider=MSDASQL;Data Source=NoSuchDsn", "Data source name not found"},
      {"Provider=SQLOLEDB.1;Initial Catalog=x", "'Data Source' is missing"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.connectionString);
    ConnectionStringConnection connection(demoFolder());
    connection.setConnectionString(c.connectionString);
    const auto message = failure<EOleException>([&] { connection.open(); });
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
    EXPECT_FALSE(connection.connected());
  }
}

TEST_F(Connections, NothingCanBeWritten) {
  AliasConnection mdb;
  mdb.setAliasName("KorvelDemo");
  mdb.connect();
  ConnectionStringConnection ole(demoFolder());
  ole.setConnectionString("Provider=SQLite;Data Source=" + std::string(KORVEL_DEMO_DB));
  ole.open();
  for (Connection* connection : std::initializer_list<Connection*>{&mdb, &ole}) {
    for (const char* sql : {"DELETE FROM tbObl", "CREATE TABLE x (a INTEGER)"}) {
      Query query("WriteQuery", connection);
      query.setSql({sql});
      EXPECT_THROW(query.open(), EDatabaseError) << sql;
    }
  }
}

}  // namespace
}  // namespace korvel::db
