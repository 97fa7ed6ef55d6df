// A mind file and a conversation with loads and saves, run through the
// shipped engine and the plain reference engine: every reply, every result
// and every saved file must be the same bytes.
//
// Input: two bytes giving the mind file's length (little-endian), the mind
// file, then steps. A step is an operation byte; a reply step's text runs
// to the next line feed.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "chatmind/engine.hpp"
#include "fuzz/fuzz_check.h"
#include "reference/reference_engine.h"
#include "support/test_support.h"

namespace chatmind::fuzz {
namespace {

constexpr std::size_t kMaxInputSize = 1 << 12;

class Pipeline {
 public:
  explicit Pipeline(const test::TempDir& dir)
      : mind_(dir.Path("input.mind")),
        shipped_path_(dir.Path("shipped.mind")),
        reference_path_(dir.Path("reference.mind")),
        missing_path_(dir.Path("missing/input.mind")),
        shipped_(dir.Path("absent.ini")) {}

  void Run(std::string_view input) {
    std::size_t length = 0;
    if (input.size() >= 2) {
      length = static_cast<unsigned char>(input[0]) |
               static_cast<std::size_t>(static_cast<unsigned char>(input[1])) << 8;
    }
    input.remove_prefix(std::min<std::size_t>(input.size(), 2));
    test::WriteBytes(mind_, input.substr(0, length));
    input.remove_prefix(std::min(input.size(), length));
    Load(mind_);
    while (!input.empty()) {
      const auto operation = static_cast<unsigned char>(input.front());
      input.remove_prefix(1);
      switch (operation % 8) {
        case 5:
          Load(mind_);
          break;
        case 6:
          SaveAndReload();
          break;
        case 7:
          if (operation & 0x80) {
            Check(!shipped_.SaveMind(missing_path_) && !reference_.SaveMind(missing_path_),
                  "a save into a missing directory fails in both engines");
          } else {
            Load(missing_path_);
          }
          break;
        default:
          Reply(TakeLine(input));
      }
    }
  }

 private:
  static std::string_view TakeLine(std::string_view& input) {
    const std::size_t end = std::min(input.find('\n'), input.size());
    const std::string_view line = input.substr(0, end);
    input.remove_prefix(std::min(input.size(), end + 1));
    return line;
  }

  void Reply(std::string_view line) {
    const std::string shipped(shipped_.GetReplyTo(line));
    Check(shipped == reference_.GetReplyTo(line), "both engines give the same reply");
  }

  void Load(const std::string& path) {
    Check(shipped_.LoadMind(path) == reference_.LoadMind(path), "both engines load a file alike");
  }

  void SaveAndReload() {
    const bool saved = shipped_.SaveMind(shipped_path_);
    Check(saved == reference_.SaveMind(reference_path_), "both engines save alike");
    if (!saved) return;
    Check(test::ReadBytes(shipped_path_) == test::ReadBytes(reference_path_),
          "both engines write the same file");
    Check(shipped_.LoadMind(shipped_path_) && reference_.LoadMind(reference_path_),
          "both engines load what they saved");
  }

  const std::string mind_;
  const std::string shipped_path_;
  const std::string reference_path_;
  const std::string missing_path_;
  Engine shipped_;
  reference::ReferenceEngine reference_;
};

}  // namespace
}  // namespace chatmind::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > chatmind::fuzz::kMaxInputSize) return 0;
  static const chatmind::test::TempDir dir;
  chatmind::fuzz::Pipeline(dir).Run(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
