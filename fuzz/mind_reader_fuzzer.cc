// Any bytes as a mind file: loading must not fail, and what a save writes
// must load back as the very lists and index that were saved.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "mind/mind.h"
#include "mind/mind_reader.h"
#include "mind/mind_writer.h"
#include "support/test_support.h"

namespace chatmind::fuzz {
namespace {

constexpr std::size_t kMaxInputSize = 1 << 16;

std::string Records(const Mind& mind) {
  test::StringSink sink;
  WriteMindRecords(mind, sink);
  return sink.bytes();
}

// The index as (sentence, position) pairs in a fixed order: a save keeps
// the entries' texts and renumbers them, but need not keep their order.
std::vector<std::tuple<std::string_view, std::size_t>> IndexOf(const Mind& mind) {
  std::vector<std::tuple<std::string_view, std::size_t>> entries;
  for (const IndexEntry& entry : mind.SentenceIndex) {
    Check(entry.position < mind.PhraseKeys.size(), "an index entry names an existing pair");
    entries.emplace_back(entry.sentence, entry.position);
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

}  // namespace
}  // namespace chatmind::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chatmind;
  using fuzz::Check;
  if (size > fuzz::kMaxInputSize) return 0;
  Mind loaded;
  AppendMindContent(loaded, std::string(reinterpret_cast<const char*>(data), size));
  ReorderForSave(loaded);
  const std::string saved = fuzz::Records(loaded);

  Mind reloaded;
  AppendMindContent(reloaded, saved);
  for (TextList Mind::*list : kFileBackedLists) {
    Check(reloaded.*list == loaded.*list, "a saved list loads back as it was");
  }
  Check(reloaded.PhraseKeys.size() == reloaded.PhraseReplies.size(), "keys and replies pair up");
  Check(fuzz::IndexOf(reloaded) == fuzz::IndexOf(loaded), "a saved index loads back as it was");
  Check(fuzz::Records(reloaded) == saved, "saving a loaded save writes the same bytes");
  return 0;
}
