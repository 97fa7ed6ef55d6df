#ifndef CHATMIND_INTERFACE_PROFILE_H_
#define CHATMIND_INTERFACE_PROFILE_H_

#include <optional>
#include <string>
#include <string_view>

namespace chatmind {

// Looks up `entry` in `section` of initialization-file `content`: lines
// "[Section]" and "Entry=Value", names compared ignoring ASCII case, spaces
// and tabs around names and values trimmed, a value wrapped in a matching
// pair of double or single quotes unwrapped, lines starting with ';'
// ignored, LF or CR LF line ends. Returns the first matching entry's value,
// or nothing when no entry matches.
std::optional<std::string> FindProfileValue(std::string_view content, std::string_view section,
                                            std::string_view entry);

}  // namespace chatmind

#endif  // CHATMIND_INTERFACE_PROFILE_H_
