#ifndef CHATMIND_INTERFACE_SETTINGS_H_
#define CHATMIND_INTERFACE_SETTINGS_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace chatmind {

// The longest setting value returned, in bytes.
inline constexpr std::size_t kMaxSettingLength = 4095;

// Returns the settings file name of the library whose file is
// `library_path`: its base name without the last '.' and what follows, with
// ".INI" appended, and no directory ("/lib/libchatmind.so" gives
// "libchatmind.INI", "chatmind" gives "chatmind.INI").
std::string SettingsFileName(std::string_view library_path);

// Returns the value of `entry` in `section` of the settings file at `path`,
// cut to kMaxSettingLength bytes and at a NUL byte; `default_value` when the
// file, the section or the entry is missing. A relative path is looked up
// at each call: in the process's current directory on POSIX systems; on
// Windows, a name without directory in the Windows directory.
std::string ReadSetting(const std::string& path, std::string_view section, std::string_view entry,
                        std::string_view default_value);

// Returns the file name of the library or program that holds this code, as
// the loader reports it, or an empty string when it cannot tell.
std::string OwnModulePath();

}  // namespace chatmind

#endif  // CHATMIND_INTERFACE_SETTINGS_H_
