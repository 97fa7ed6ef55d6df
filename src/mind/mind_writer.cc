#include "mind/mind_writer.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "mind/mind_format.h"

namespace chatmind {
namespace {

// A line feed would split the element's line and 0x1A would end the file
// at the next load; both become spaces.
bool WriteElement(ByteSink& sink, std::string_view element) {
  if (element.find_first_of("\n\x1a") == std::string_view::npos) return sink.Write(element);
  std::string safe(element);
  for (char& c : safe) {
    if (c == '\n' || c == '\x1a') c = ' ';
  }
  return sink.Write(safe);
}

bool WriteLine(ByteSink& sink, std::string_view prefix, std::string_view element,
               std::string_view suffix) {
  return sink.Write(prefix) && WriteElement(sink, element) && sink.Write(suffix) &&
         sink.Write("\r\n");
}

bool WriteFamily(ByteSink& sink, const TextList& keys, const TextList& replies,
                 std::string_view opener, std::string_view closer) {
  const std::size_t count = std::min(keys.size(), replies.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (!WriteLine(sink, opener, keys[i], closer) || !WriteLine(sink, "", replies[i], "")) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::size_t SavedOrderSource(std::size_t position, std::size_t n) {
  const std::size_t evens = (n + 1) / 2;
  const std::size_t k = n - 1 - position;
  return k < evens ? 2 * k : 2 * (k - evens) + 1;
}

std::size_t SavedOrderTarget(std::size_t position, std::size_t n) {
  const std::size_t evens = (n + 1) / 2;
  const std::size_t k = position % 2 == 0 ? position / 2 : evens + position / 2;
  return n - 1 - k;
}

void ReorderForSave(Mind& mind) {
  std::array<std::vector<std::string_view>, kFileBackedLists.size()> reordered;
  for (std::size_t l = 0; l < kFileBackedLists.size(); ++l) {
    const TextList& list = mind.*kFileBackedLists[l];
    reordered[l] =
        list.ReorderedViews([n = list.size()](std::size_t j) { return SavedOrderSource(j, n); });
  }
  // Nothing below allocates, so a family is never left half reordered.
  for (std::size_t l = 0; l < kFileBackedLists.size(); ++l) {
    (mind.*kFileBackedLists[l]).SetOrder(std::move(reordered[l]));
  }
  const std::size_t pairs = mind.PhraseReplies.size();
  for (IndexEntry& entry : mind.SentenceIndex) {
    if (entry.position < pairs) entry.position = SavedOrderTarget(entry.position, pairs);
  }
}

bool WriteMindRecords(const Mind& mind, ByteSink& sink) {
  if (!WriteFamily(sink, mind.PhraseKeys, mind.PhraseReplies, "", "")) return false;
  for (const BracketedRecord& bracketed : kBracketedRecords) {
    const char opener[] = {' ', bracketed.opener};
    const std::string_view closer(&bracketed.closer, 1);
    if (!WriteFamily(sink, mind.*bracketed.keys, mind.*bracketed.replies,
                     std::string_view(opener, 2), closer)) {
      return false;
    }
  }
  for (const TaggedRecord& tagged : kTaggedRecords) {
    for (std::string_view element : mind.*tagged.list) {
      if (!WriteLine(sink, tagged.tag, "", "") || !WriteLine(sink, "", element, "")) {
        return false;
      }
    }
  }
  return true;
}

bool WriteMind(Mind& mind, std::string_view path) {
  ReorderForSave(mind);
  return ReplaceFile(std::string(path),
                     [&mind](ByteSink& sink) { return WriteMindRecords(mind, sink); });
}

bool SaveMindFile(Mind& mind, std::string_view path) {
  if (path.empty() || !WriteMind(mind, path)) return false;
  ClearMind(mind);
  return true;
}

}  // namespace chatmind
