#ifndef CHATMIND_TOOLS_ENCODING_H_
#define CHATMIND_TOOLS_ENCODING_H_

#include <iconv.h>

#include <string>
#include <string_view>
#include <variant>

namespace chatmind::tool {

// The encoding the user's side speaks; the engine always speaks Windows-1251.
enum class Encoding { kUtf8, kCp1251 };

// Why a user's line could not be put into Windows-1251.
struct Unconvertible {
  std::string reason;  // in the user's encoding, ready to print
};

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0
// when there is none.
std::size_t Utf8SequenceLength(std::string_view text);

// Converts text between the user's encoding and Windows-1251 with iconv.
class Codec {
 public:
  explicit Codec(Encoding user);
  ~Codec();
  Codec(const Codec&) = delete;
  Codec& operator=(const Codec&) = delete;

  // The user's text in Windows-1251, or why it cannot be carried.
  std::variant<std::string, Unconvertible> ToEngine(std::string_view text);

  // Windows-1251 text for the user. Never fails: a byte that Windows-1251
  // leaves undefined becomes U+FFFD (or '?' for a Windows-1251 user).
  std::string ToUser(std::string_view text);

 private:
  Encoding user_;
  iconv_t to_engine_;
  iconv_t to_user_;
};

}  // namespace chatmind::tool

#endif  // CHATMIND_TOOLS_ENCODING_H_
