#include <windows.h>

#include "interface/settings.h"

namespace chatmind {

std::string ReadSetting(const std::string& path, std::string_view section, std::string_view entry,
                        std::string_view default_value) {
  // The system's profile reader, as Windows hosts expect: a name without
  // directory is looked for in the Windows directory.
  char value[kMaxSettingLength + 1] = "";
  ::GetPrivateProfileStringA(std::string(section).c_str(), std::string(entry).c_str(),
                             std::string(default_value).c_str(), value, sizeof value, path.c_str());
  return value;
}

std::string OwnModulePath() {
  HMODULE module = nullptr;
  if (!::GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCSTR>(&OwnModulePath), &module)) {
    return {};
  }
  char name[MAX_PATH];
  const DWORD length = ::GetModuleFileNameA(module, name, sizeof name);
  // A name cut to fit may or may not end in a NUL.
  const std::string_view reported(name, length);
  return std::string(reported.substr(0, reported.find('\0')));
}

}  // namespace chatmind
