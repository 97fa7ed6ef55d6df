#include "interface/settings.h"

namespace chatmind {

std::string SettingsFileName(std::string_view library_path) {
  const std::size_t separator = library_path.find_last_of("\\/:");
  std::string_view name =
      separator == std::string_view::npos ? library_path : library_path.substr(separator + 1);
  name = name.substr(0, name.rfind('.'));
  std::string file(name);
  file.append(".INI");
  return file;
}

}  // namespace chatmind
