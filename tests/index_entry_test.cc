#include "text/index_entry.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/test_support.h"

namespace chatmind {
namespace {

using test::W;

TEST(MakeIndexEntryTest, InsertsSpaceAndPositionBeforeTerminator) {
  EXPECT_EQ(MakeIndexEntry(W("Как дела?"), 12), W("Как дела 12?"));
  EXPECT_EQ(MakeIndexEntry(W("Ок."), 0), W("Ок 0."));
  EXPECT_EQ(MakeIndexEntry(W("Да !"), 7), W("Да  7!"));
}

TEST(NumberToTextTest, Table) {
  EXPECT_EQ(NumberToText(0), "0");
  EXPECT_EQ(NumberToText(305), "305");
  EXPECT_EQ(NumberToText(-5), "-5");
}

TEST(TextToNumberTest, Table) {
  const struct {
    const char* text;
    int value;
  } cases[] = {
      {"12", 12},
      {"12?", 12},
      {" 7", 7},
      {"\t\n7", 7},
      {"-3", -3},
      {"+3", 3},
      {"- 3", 0},
      {"x12", 0},
      {"", 0},
      {"--3", 0},
      {"\xA0"
       "5",
       0},
      {"99999999999999999999", INT_MAX},
      {"-99999999999999999999", INT_MIN},
      {"2147483648", INT_MAX},
      {"-2147483648", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToNumber(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace chatmind
