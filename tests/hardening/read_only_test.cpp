// The host database is never written: both connections refuse writes, and
// a whole waybill run leaves the database file byte for byte as it was.
#include <fstream>
#include <iterator>

#include "base/exception.h"
#include "db/alias_connection.h"
#include "db/connection_string_connection.h"
#include "db/query.h"
#include "tests/hardening/hardening_host.h"

namespace korvel::testing {
namespace {

using ReadOnlyTest = DemoDatabaseTest;

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const char* const writes[] = {
    "UPDATE tbDocPrint SET NumDoc = 1",
    "DELETE FROM PrintString",
    "CREATE TABLE Intruder (x INTEGER)",
};

TEST_F(ReadOnlyTest, TheConnectionStringConnectionRefusesWrites) {
  const std::string before = contents(database);
  db::ConnectionStringConnection connection(folder);
  connection.setConnectionString(sqliteConnection(database));
  connection.open();
  for (const char* sql : writes) {
    SCOPED_TRACE(sql);
    db::Query query("Intruder", &connection);
    query.setSql({sql});
    EXPECT_THROW(query.open(), EDatabaseError);
  }
  connection.close();
  EXPECT_EQ(contents(database), before);
}

TEST_F(ReadOnlyTest, TheAliasConnectionRefusesWrites) {
  const std::string before = contents(database);
  db::AliasConnection connection;
  connection.setAliasName(hardeningAlias);
  connection.connect();
  for (const char* sql : writes) {
    SCOPED_TRACE(sql);
    db::Query query("Intruder", &connection);
    query.setSql({sql});
    EXPECT_THROW(query.open(), EDatabaseError);
  }
  connection.disconnect();
  EXPECT_EQ(contents(database), before);
}

TEST_F(ReadOnlyTest, AWholeRunLeavesTheDatabaseFileAsItWas) {
  const std::string before = contents(database);
  for (const std::int32_t document : {101, 102, 106, 107, 108}) {
    arguments.IdDoc = document;
    callAndClose();
  }
  EXPECT_EQ(host.previews.size(), 5u);
  EXPECT_EQ(contents(database), before);
  EXPECT_FALSE(std::filesystem::exists(database.string() + "-journal"));
  EXPECT_FALSE(std::filesystem::exists(database.string() + "-wal"));
}

}  // namespace
}  // namespace korvel::testing
