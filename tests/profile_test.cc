#include "interface/profile.h"

#include <gtest/gtest.h>

namespace chatmind {
namespace {

TEST(FindProfileValueTest, Table) {
  const struct {
    const char* name;
    std::string content;
    std::optional<std::string> value;
  } cases[] = {
      {"plain", "[Search]\nNotClear=Again.\n", "Again."},
      {"CR LF", "[Search]\r\nNotClear=Again.\r\n", "Again."},
      {"no final line end", "[Search]\nNotClear=Again.", "Again."},
      {"empty value", "[Search]\nNotClear=\n", ""},
      {"no file content", "", std::nullopt},
      {"other section", "[Other]\nNotClear=Again.\n", std::nullopt},
      {"entry before any section", "NotClear=Again.\n[Search]\n", std::nullopt},
      {"names ignore case", "[search]\nNOTCLEAR=Again.\n", "Again."},
      {"blanks trimmed", " [ Search ] \n\t NotClear \t=  Again. \t\n", "Again."},
      {"double quotes unwrapped", "[Search]\nNotClear=\" Again. \"\n", " Again. "},
      {"single quotes unwrapped", "[Search]\nNotClear='Again.'\n", "Again."},
      {"unmatched quotes stay", "[Search]\nNotClear=\"Again.'\n", "\"Again.'"},
      {"a lone quote stays", "[Search]\nNotClear=\"\n", "\""},
      {"comments skipped", "[Search]\n;NotClear=No.\nNotClear=Yes.\n", "Yes."},
      {"first entry wins", "[Search]\nNotClear=1\nNotClear=2\n", "1"},
      {"first entry over sections", "[Search]\nA=1\n[Other]\nNotClear=0\n[Search]\nNotClear=2\n",
       "2"},
      {"equals inside the value", "[Search]\nNotClear=a=b\n", "a=b"},
      {"a line without equals", "[Search]\nNotClear\nNotClear=x\n", "x"},
      {"a longer entry name", "[Search]\nNotClearer=x\n", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindProfileValue(c.content, "Search", "NotClear"), c.value) << c.name;
  }
}

}  // namespace
}  // namespace chatmind
