#ifndef CHATMIND_TEXT_LOWERCASE_H_
#define CHATMIND_TEXT_LOWERCASE_H_

#include <array>
#include <cstddef>

namespace chatmind {
namespace lowercase_internal {

constexpr std::array<unsigned char, 256> MakeTable() {
  std::array<unsigned char, 256> table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<unsigned char>(i);
  for (std::size_t i = 0x41; i <= 0x5A; ++i) table[i] = static_cast<unsigned char>(i + 0x20);
  for (std::size_t i = 0xC0; i <= 0xDF; ++i) table[i] = static_cast<unsigned char>(i + 0x20);
  // Ё and the capitals of the other Cyrillic alphabets in the code page,
  // which do not lie at a fixed distance from their small letters.
  constexpr unsigned char kPairs[][2] = {{0xA8, 0xB8}, {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A},
                                         {0x8C, 0x9C}, {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F},
                                         {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4}, {0xAA, 0xBA},
                                         {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
  for (const auto& pair : kPairs) table[pair[0]] = pair[1];
  return table;
}

inline constexpr std::array<unsigned char, 256> kTable = MakeTable();

}  // namespace lowercase_internal

// Returns the Windows-1251 lower-case letter of `c` when `c` is an
// upper-case letter (Latin A-Z, Cyrillic А-Я and Ё, and the further
// Cyrillic capitals of the code page), otherwise `c` itself. The mapping is
// a fixed table, inline because tokenizing calls it for every byte: no
// locale of the process plays a part.
constexpr char LowercaseByte(char c) {
  return static_cast<char>(lowercase_internal::kTable[static_cast<unsigned char>(c)]);
}

}  // namespace chatmind

#endif  // CHATMIND_TEXT_LOWERCASE_H_
