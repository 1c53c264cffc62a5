#include "db/database_context.h"

#include <gtest/gtest.h>

#include "common/error.h"

namespace db {
namespace {

Query MakeQuery() {
  Query query;
  query.Assign({"fid", "title", "typ", "notiz"}, {{"7", "Alien", "1", std::nullopt}, {"8", "", std::nullopt, "x"}});
  return query;
}

TEST(DatabaseQuery, ValuesByColumnNameAsTextOrInteger) {
  Query query = MakeQuery();
  ASSERT_EQ(query.RecordCount(), 2u);
  EXPECT_EQ(query.FieldText("fid"), "7");
  EXPECT_EQ(query.FieldInteger("fid"), 7);
  EXPECT_EQ(query.FieldText("notiz"), "");  // NULL
  EXPECT_EQ(query.FieldText("FID"), "7");   // column names compare without case
  query.Next();
  EXPECT_EQ(query.FieldText("title"), "");
  EXPECT_EQ(query.FieldInteger("typ"), 0);  // NULL
  EXPECT_EQ(query.FieldText("notiz"), "x");
}

TEST(DatabaseQuery, PastTheLastRowValuesAreThoseOfNoRow) {
  Query query = MakeQuery();
  query.Next();
  query.Next();
  query.Next();
  EXPECT_EQ(query.FieldText("title"), "");
  EXPECT_EQ(query.FieldInteger("typ"), 0);
  query.First();
  EXPECT_EQ(query.FieldText("title"), "Alien");
}

TEST(DatabaseQuery, EmptyResultStillKnowsItsColumns) {
  Query query;
  query.Assign({"sprache"}, {});
  EXPECT_EQ(query.RecordCount(), 0u);
  EXPECT_EQ(query.FieldText("sprache"), "");
  EXPECT_THROW(query.FieldText("title"), common::Error);
}

TEST(DatabaseQuery, MissingColumnAndNonIntegerText) {
  Query query = MakeQuery();
  try {
    query.FieldText("ordered");
    FAIL() << "no error";
  } catch (const common::Error& error) {
    EXPECT_STREQ(error.what(), "Field not found : \"ordered\"");
  }
  EXPECT_THROW(query.FieldInteger("ordered"), common::Error);
  EXPECT_THROW(query.FieldInteger("title"), common::Error);  // "Alien" is no integer
}

TEST(DatabaseQuery, CloseDropsRowsAndColumns) {
  Query query = MakeQuery();
  query.Close();
  EXPECT_EQ(query.RecordCount(), 0u);
  EXPECT_THROW(query.FieldText("fid"), common::Error);
}

}  // namespace
}  // namespace db
