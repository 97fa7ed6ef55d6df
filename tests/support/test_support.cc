#include "support/test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "text/index_entry.h"

namespace chatmind::test {
namespace {

char ToCp1251(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  if (c >= 0x410 && c <= 0x44F) return static_cast<char>(c - 0x410 + 0xC0);
  switch (c) {
    case 0x401:
      return '\xA8';  // Ё
    case 0x451:
      return '\xB8';  // ё
    case 0xAB:
      return '\xAB';  // «
    case 0xBB:
      return '\xBB';  // »
    case 0x2026:
      return '\x85';  // …
  }
  throw std::invalid_argument("W(): character outside the test alphabet");
}

}  // namespace

StringList EntryTexts(const Mind& mind) {
  StringList texts;
  for (const IndexEntry& entry : mind.SentenceIndex) {
    texts.push_back(MakeIndexEntry(entry.sentence, entry.position));
  }
  return texts;
}

StringList Replies(const ReplyHistory& history) {
  return StringList(history.begin(), history.end());
}

std::string W(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    char32_t c;
    std::size_t length;
    if (byte < 0x80) {
      c = byte, length = 1;
    } else if ((byte & 0xE0) == 0xC0) {
      c = byte & 0x1F, length = 2;
    } else if ((byte & 0xF0) == 0xE0) {
      c = byte & 0x0F, length = 3;
    } else {
      throw std::invalid_argument("W(): unsupported UTF-8");
    }
    for (std::size_t k = 1; k < length; ++k) {
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    out.push_back(ToCp1251(c));
    i += length;
  }
  return out;
}

std::string MindFile(std::initializer_list<std::string_view> lines) {
  std::string bytes;
  for (std::string_view line : lines) bytes += W(line) + "\r\n";
  return bytes;
}

TempDir::TempDir() : TempDir(std::filesystem::temp_directory_path()) {}

TempDir::TempDir(const std::filesystem::path& parent) {
  std::string pattern = (parent / "chatmind-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Path(std::string_view name) const { return (path_ / name).string(); }

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> FileNamesIn(const std::string& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

}  // namespace chatmind::test
