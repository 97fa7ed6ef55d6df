#include "check.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <variant>

#include "mind_check.h"

namespace chatmind::tool {
namespace {

// The report is written in UTF-8; a Windows-1251 user gets it converted,
// which always succeeds, since all quoted text came from Windows-1251.
std::string ForUser(Encoding encoding, const std::string& utf8) {
  if (encoding == Encoding::kUtf8) return utf8;
  static Codec codec(Encoding::kUtf8);
  auto converted = codec.ToEngine(utf8);
  return std::holds_alternative<std::string>(converted) ? std::get<std::string>(converted) : utf8;
}

}  // namespace

int RunCheck(const std::string& path, Encoding encoding) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    std::cerr << "chatmind: " << path << ": is a directory, not a mind file\n";
    return 2;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::cerr << "chatmind: " << path << ": cannot read: " << std::strerror(errno) << "\n";
    return 2;
  }
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) {
    std::cerr << "chatmind: " << path << ": read error\n";
    return 2;
  }
  const CheckReport report = CheckMind(bytes);
  for (const Finding& finding : report.findings) {
    std::cout << ForUser(encoding,
                         path + ":" + std::to_string(finding.line) + ": " + finding.message)
              << "\n";
  }
  for (const std::string& line : report.summary) {
    std::cout << ForUser(encoding, path + ": " + line) << "\n";
  }
  return report.findings.empty() ? 0 : 1;
}

}  // namespace chatmind::tool
