#include "interface/settings.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace chatmind {
namespace {

using test::TempDir;
using test::WriteBytes;

TEST(SettingsFileNameTest, Table) {
  const struct {
    const char* library;
    const char* settings;
  } cases[] = {
      {"Bot.dll", "Bot.INI"},
      {"my.bot.dll", "my.bot.INI"},
      {"C:\\Program Files\\Bot.dll", "Bot.INI"},
      {"C:Bot.dll", "Bot.INI"},
      {"/usr/lib/libchatmind.so", "libchatmind.INI"},
      {"./libchatmind.so", "libchatmind.INI"},
      {"chatmind", "chatmind.INI"},
      {"/opt/my.dir/chatmind", "chatmind.INI"},
      {"", ".INI"},
  };
  for (const auto& c : cases) EXPECT_EQ(SettingsFileName(c.library), c.settings) << c.library;
}

TEST(ReadSettingTest, ValuesDefaultsAndLimits) {
  TempDir dir;
  const std::string path = dir.Path("chatmind.INI");
  EXPECT_EQ(ReadSetting(path, "Search", "NotClear", "default"), "default") << "no file";

  WriteBytes(path, "[Search]\r\nNotClear=Again.\r\n");
  EXPECT_EQ(ReadSetting(path, "Search", "NotClear", "default"), "Again.");
  EXPECT_EQ(ReadSetting(path, "Search", "Other", "default"), "default");

  WriteBytes(path, "[Search]\nNotClear=" + std::string(5000, 'x') + "\n");
  EXPECT_EQ(ReadSetting(path, "Search", "NotClear", "d"), std::string(4095, 'x'));

  WriteBytes(path, std::string("[Search]\nNotClear=ab\0cd\n", 23));
  EXPECT_EQ(ReadSetting(path, "Search", "NotClear", "d"), "ab");

  EXPECT_EQ(ReadSetting(dir.Path(""), "Search", "NotClear", "d"), "d") << "a directory";
}

}  // namespace
}  // namespace chatmind
