#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "interface/profile.h"
#include "interface/settings.h"

namespace chatmind {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::string ReadSetting(const std::string& path, std::string_view section, std::string_view entry,
                        std::string_view default_value) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::string(default_value);
  std::string content;
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) content.append(chunk, got);
  const auto value = FindProfileValue(content, section, entry);
  if (!value) return std::string(default_value);
  return value->substr(0, std::min(value->find('\0'), kMaxSettingLength));
}

std::string OwnModulePath() {
  Dl_info info;
  if (::dladdr(reinterpret_cast<const void*>(&OwnModulePath), &info) == 0 || !info.dli_fname) {
    return {};
  }
  return info.dli_fname;
}

}  // namespace chatmind
