#include "encoding.h"

#include <cerrno>
#include <cstdio>
#include <stdexcept>

namespace chatmind::tool {
namespace {

constexpr const char* kEngineEncoding = "WINDOWS-1251";
constexpr const char* kUtf8 = "UTF-8";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

iconv_t Open(const char* to, const char* from) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
  }
  return converter;
}

char32_t DecodeUtf8(std::string_view sequence) {
  const auto lead = static_cast<unsigned char>(sequence[0]);
  char32_t c = sequence.size() == 1 ? lead : lead & (0x7F >> sequence.size());
  for (std::size_t i = 1; i < sequence.size(); ++i) {
    c = (c << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
  }
  return c;
}

std::string Describe(std::string_view rest) {
  char text[96];
  if (const std::size_t length = Utf8SequenceLength(rest); length > 0) {
    const std::string character(rest.substr(0, length));
    std::snprintf(text, sizeof text, "\xC2\xAB%s\xC2\xBB (U+%04X) has no Windows-1251 form",
                  character.c_str(), static_cast<unsigned>(DecodeUtf8(rest.substr(0, length))));
  } else {
    std::snprintf(text, sizeof text, "byte 0x%02X is not valid UTF-8",
                  static_cast<unsigned>(static_cast<unsigned char>(rest[0])));
  }
  return text;
}

// Runs `converter` over `text`. On a sequence it cannot convert, calls
// `on_invalid(rest, output)`, which returns how many bytes to skip, or 0 to
// give up; Convert then returns false.
template <typename OnInvalid>
bool Convert(iconv_t converter, std::string_view text, std::string& output, OnInvalid on_invalid) {
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  std::string input(text);
  char* in = input.data();
  std::size_t in_left = input.size();
  while (in_left > 0) {
    char buffer[256];
    char* out = buffer;
    std::size_t out_left = sizeof buffer;
    const std::size_t result = iconv(converter, &in, &in_left, &out, &out_left);
    output.append(buffer, static_cast<std::size_t>(out - buffer));
    if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // EILSEQ, or EINVAL for a sequence cut off at the end.
    const std::size_t skip = on_invalid(std::string_view(in, in_left), output);
    if (skip == 0) return false;
    in += skip;
    in_left -= skip;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
  }
  return true;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = lead < 0x80                    ? 1
                       : lead >= 0xC2 && lead <= 0xDF ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
  if (length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

Codec::Codec(Encoding user)
    : user_(user),
      to_engine_(Open(kEngineEncoding, kUtf8)),
      to_user_(Open(kUtf8, kEngineEncoding)) {}

Codec::~Codec() {
  iconv_close(to_engine_);
  iconv_close(to_user_);
}

std::variant<std::string, Unconvertible> Codec::ToEngine(std::string_view text) {
  if (user_ == Encoding::kCp1251) return std::string(text);
  std::string output;
  std::string reason;
  const bool converted =
      Convert(to_engine_, text, output, [&](std::string_view rest, std::string&) {
        reason = Describe(rest);
        return std::size_t{0};
      });
  if (!converted) return Unconvertible{reason};
  return output;
}

std::string Codec::ToUser(std::string_view text) {
  if (user_ == Encoding::kCp1251) return std::string(text);
  std::string output;
  Convert(to_user_, text, output, [](std::string_view, std::string& out) {
    out += kReplacement;
    return std::size_t{1};
  });
  return output;
}

}  // namespace chatmind::tool
