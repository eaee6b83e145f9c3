// OLE DB connection string parsing and its mapping to ODBC.
#include <gtest/gtest.h>

#include "base/exception.h"
#include "db/connection_string.h"
#include "db/odbc_target.h"

namespace korvel::db {
namespace {

TEST(ConnectionString, ParsesKeysAndValues) {
  const auto p = parseConnectionString(
      "Provider=SQLOLEDB.1; Data Source = srv01 ;Initial Catalog=Sklad;User ID=ivanov;Password=\"a;b=c\";"
      "Persist Security Info=False;;");
  EXPECT_EQ(p.get("provider"), "SQLOLEDB.1");
  EXPECT_EQ(p.get("DATA SOURCE"), "srv01");
  EXPECT_EQ(p.get("Initial Catalog"), "Sklad");
  EXPECT_EQ(p.get("user id"), "ivanov");
  EXPECT_EQ(p.get("Password"), "a;b=c");
  EXPECT_EQ(p.items().size(), 6u);
  EXPECT_FALSE(p.get("Server").has_value());
}

TEST(ConnectionString, QuotesAndRepeatedKeys) {
  const auto p = parseConnectionString("A='it''s';B=\"say \"\"hi\"\"\" ; a=later;C=");
  EXPECT_EQ(p.get("A"), "later");  // a later key replaces an earlier one
  EXPECT_EQ(p.get("B"), "say \"hi\"");
  EXPECT_EQ(p.get("C"), "");
  EXPECT_TRUE(parseConnectionString("").items().empty());
  EXPECT_TRUE(parseConnectionString(" ; ;").items().empty());
}

TEST(ConnectionString, MalformedTextIsAClearError) {
  for (const char* text : {"Provider", "=x", "A=\"open", "A=\"x\" y;B=1", "A=1;secret"}) {
    SCOPED_TRACE(text);
    EXPECT_THROW(parseConnectionString(text), EOleException);
  }
  try {
    parseConnectionString("A=1;secretword");
  } catch (const EOleException& e) {
    EXPECT_EQ(std::string(e.what()).find("secretword"), std::string::npos);
  }
}

std::string fakeDriver(DriverKind kind) {
  return kind == DriverKind::Sqlite ? "/lib/sqlite.so" : "{FreeTDS}";
}

OdbcTarget target(const std::string& text, const std::string& provider = std::string(defaultProvider)) {
  return odbcTargetFor(parseConnectionString(text), provider, "/opt/host", fakeDriver);
}

TEST(OdbcTarget, SqlServerProvidersGoToTheSqlServerDriver) {
  const auto t = target(
      "Provider=SQLOLEDB.1;Data Source=db.local,1444;Initial Catalog=Sklad;User ID=u;Password=\"p;w\"");
  EXPECT_EQ(t.connectionString,
            "DRIVER={FreeTDS};SERVER=db.local;PORT=1444;DATABASE=Sklad;UID=u;PWD={p;w};ClientCharset=UTF-8");
  EXPECT_EQ(t.loginTimeoutSeconds, 15);
  EXPECT_EQ(t.password, "p;w");
  for (const char* provider : {"SQLOLEDB", "sqloledb.1", "MSOLEDBSQL", "SQLNCLI11"}) {
    SCOPED_TRACE(provider);
    EXPECT_EQ(target(std::string("Provider=") + provider + ";Data Source=.")
                  .connectionString.rfind("DRIVER={FreeTDS};SERVER=localhost;", 0),
              0u);
  }
  // No Provider key: the connection's provider (SQL Server by default) applies.
  EXPECT_EQ(target("Data Source=s;Connect Timeout=5").loginTimeoutSeconds, 5);
  EXPECT_THROW(target("Data Source=s;Connect Timeout=5s"), EOleException);
}

TEST(OdbcTarget, SqliteFileRelativeToTheHostFolderOpensReadOnly) {
  const auto t = target("Provider=SQLite;Data Source=data/my base.db");
  EXPECT_EQ(t.databaseFile, "/opt/host/data/my base.db");
  EXPECT_EQ(
      t.connectionString,
      "DRIVER=/lib/sqlite.so;Database=file:/opt/host/data/my%20base.db?mode=ro;NoCreat=1;Timeout=15000");
  EXPECT_EQ(target("Provider=sqlite;Data Source=/srv/k.db").databaseFile, "/srv/k.db");
}

TEST(OdbcTarget, OdbcProviderUsesADataSourceOrAnOdbcString) {
  EXPECT_EQ(target("Provider=MSDASQL;Data Source=Sklad;User ID=u;Password=p").connectionString,
            "DSN=Sklad;UID=u;PWD=p");
  EXPECT_EQ(target("Provider=MSDASQL.1;Extended Properties=\"DSN=Sklad;APP=x\"").connectionString,
            "DSN=Sklad;APP=x");
}

TEST(OdbcTarget, MissingKeysAndUnknownProvidersAreErrors) {
  EXPECT_THROW(target("Provider=SQLOLEDB.1;Initial Catalog=x"), EOleException);
  EXPECT_THROW(target("Provider=SQLite"), EOleException);
  EXPECT_THROW(target("Provider=MSDASQL"), EOleException);
  try {
    target("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a.mdb");
    FAIL();
  } catch (const EOleException& e) {
    EXPECT_NE(std::string(e.what()).find("Microsoft.Jet.OLEDB.4.0"), std::string::npos);
  }
}

TEST(OdbcTarget, ValuesAreBracedWhenNeeded) {
  EXPECT_EQ(odbcValue("plain=1"), "plain=1");
  EXPECT_EQ(odbcValue("a;b"), "{a;b}");
  EXPECT_EQ(odbcValue("x}y"), "{x}}y}");
  EXPECT_EQ(odbcValue(" lead"), "{ lead}");
  EXPECT_EQ(sqliteReadOnlyUri("/a/b?#%.db"), "file:/a/b%3F%23%25.db?mode=ro");
}

}  // namespace
}  // namespace korvel::db
