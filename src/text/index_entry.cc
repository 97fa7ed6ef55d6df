#include "text/index_entry.h"

#include <charconv>
#include <climits>
#include <system_error>

namespace chatmind {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void AppendPosition(std::string& text, std::size_t position) {
  char digits[24];
  text.append(digits, std::to_chars(digits, digits + sizeof digits, position).ptr);
}

}  // namespace

std::string MakeIndexEntry(std::string_view sentence, std::size_t position) {
  const std::string_view body = sentence.substr(0, sentence.size() - 1);
  std::string entry;
  entry.reserve(sentence.size() + 21);
  entry.append(body);
  entry.push_back(' ');
  AppendPosition(entry, position);
  entry.push_back(sentence.back());
  return entry;
}

std::optional<std::size_t> PositionWordValue(std::string_view word) {
  if (word.empty() || (word[0] == '0' && word.size() > 1)) return std::nullopt;
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

std::string NumberToText(std::int64_t n) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  return std::string(digits, end);
}

int TextToNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  // Accumulate in 64 bits and stop growing just past the int range, so that
  // any run of digits clamps instead of overflowing.
  constexpr std::int64_t kCeiling = std::int64_t{INT_MAX} + 1;
  std::int64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kCeiling) value = kCeiling;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value < INT_MIN ? INT_MIN : value);
}

}  // namespace chatmind
