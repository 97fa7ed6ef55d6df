#ifndef CHATMIND_TESTS_SUPPORT_TEST_SUPPORT_H_
#define CHATMIND_TESTS_SUPPORT_TEST_SUPPORT_H_

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "mind/mind.h"
#include "mind/mind_file.h"
#include "mind/reply_history.h"
#include "text/string_list.h"

namespace chatmind::test {

// Converts a UTF-8 literal (ASCII, Russian letters, « ») to Windows-1251, so
// that tests read as text while the engine sees its own bytes.
std::string W(std::string_view utf8);

// The text of each entry of the mind's SentenceIndex, in order.
StringList EntryTexts(const Mind& mind);

// The replies of `history` in the order given.
StringList Replies(const ReplyHistory& history);

// Joins `lines` (UTF-8, converted with W), ending each with CR LF: the
// bytes of a mind file as the writer makes them.
std::string MindFile(std::initializer_list<std::string_view> lines);

// A fresh directory, removed with everything in it when the object goes.
class TempDir {
 public:
  // In the temporary directory (TMPDIR), or in `parent`.
  TempDir();
  explicit TempDir(const std::filesystem::path& parent);
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The path of `name` inside the directory.
  std::string Path(std::string_view name) const;
  const std::filesystem::path& Root() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Keeps every byte written to it.
class StringSink : public ByteSink {
 public:
  bool Write(std::string_view bytes) override {
    bytes_.append(bytes);
    return true;
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, std::string_view bytes);

// The names of the entries of `directory`, in the order the system lists them.
std::vector<std::string> FileNamesIn(const std::string& directory);

}  // namespace chatmind::test

#endif  // CHATMIND_TESTS_SUPPORT_TEST_SUPPORT_H_
