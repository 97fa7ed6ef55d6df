#include "text/lowercase.h"

#include <gtest/gtest.h>

#include <map>

namespace chatmind {
namespace {

// The upper-case letters of Windows-1251 and their small letters, as the
// code page defines them; every other byte must stay as it is.
std::map<int, int> CodePageCapitals() {
  std::map<int, int> capitals;
  for (int c = 'A'; c <= 'Z'; ++c) capitals[c] = c - 'A' + 'a';
  for (int c = 0xC0; c <= 0xDF; ++c) capitals[c] = c - 0xC0 + 0xE0;
  const int further[][2] = {{0xA8, 0xB8}, {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C},
                            {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC},
                            {0xA5, 0xB4}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
  for (const auto& pair : further) capitals[pair[0]] = pair[1];
  return capitals;
}

TEST(LowercaseTest, EveryByte) {
  const std::map<int, int> capitals = CodePageCapitals();
  for (int b = 0; b < 256; ++b) {
    const auto found = capitals.find(b);
    const int expected = found == capitals.end() ? b : found->second;
    EXPECT_EQ(static_cast<unsigned char>(LowercaseByte(static_cast<char>(b))), expected)
        << "byte 0x" << std::hex << b;
  }
}

}  // namespace
}  // namespace chatmind
