#include "files/csv_rows.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvRows, FieldsQuotesAndLineEndsAsSpreadsheetsWriteThem) {
  const CsvRows csv = ReadCsvRows(
      "\xEF\xBB\xBFport,label\r\n"
      "/dev/a,\"Boat, one\"\r\n"
      "\n"
      "/dev/b,\"say \"\"hi\"\"\nthere\"\n"
      "/dev/c,\n"
      "/dev/d");
  ASSERT_FALSE(csv.brokenLine);
  ASSERT_EQ(csv.rows.size(), 5u);
  EXPECT_EQ(csv.rows[0].fields, (Fields{"port", "label"}));
  EXPECT_EQ(csv.rows[1].fields, (Fields{"/dev/a", "Boat, one"}));
  EXPECT_EQ(csv.rows[2].fields, (Fields{"/dev/b", "say \"hi\"\nthere"}));
  EXPECT_EQ(csv.rows[3].fields, (Fields{"/dev/c", ""}));
  EXPECT_EQ(csv.rows[4].fields, (Fields{"/dev/d"}));
  // Each row by the line it starts on; the blank line and the quoted line break count.
  EXPECT_EQ(csv.rows[2].line, 4);
  EXPECT_EQ(csv.rows[3].line, 6);

  // A field written back reads the same.
  const Fields odd = {"a,b", "say \"hi\"", "two\r\nlines", "plain"};
  EXPECT_EQ(CsvLine(odd), "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",plain\r\n");
  EXPECT_EQ(ReadCsvRows(CsvLine(odd)).rows.at(0).fields, odd);
}

TEST(CsvRows, ABrokenTextGivesNoRowsAndTheLineOfTheBrokenRow) {
  const struct {
    const char* text;
    int line;
  } cases[] = {
      {"port\n\"/dev/a\n", 2},       // never closed
      {"port\n/dev/a\"b\n", 2},      // a quote inside a plain field
      {"port\n\n\"/dev/a\"x\n", 3},  // text after the closing quote
  };
  for (const auto& c : cases) {
    const CsvRows csv = ReadCsvRows(c.text);
    EXPECT_EQ(csv.brokenLine, c.line) << c.text;
    EXPECT_TRUE(csv.rows.empty());
  }
}

}  // namespace
}  // namespace tpw
