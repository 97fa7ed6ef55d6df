#include "mind/mind_reader.h"

#include <array>
#include <iterator>
#include <string>

#include "mind/mind_file.h"
#include "mind/mind_format.h"
#include "text/index_entry.h"
#include "text/sentences.h"

namespace chatmind {
namespace {

// Every list that a load appends to.
constexpr auto kLoadedLists = [] {
  std::array<StringList Mind::*, kFileBackedLists.size() + 1> lists{};
  for (std::size_t i = 0; i < kFileBackedLists.size(); ++i) lists[i] = kFileBackedLists[i];
  lists.back() = &Mind::SentenceIndex;
  return lists;
}();

void StorePhraseRecord(Mind& staged, std::string_view key, std::string_view value,
                       std::size_t position, StringList& sentences) {
  staged.PhraseKeys.emplace_back(key);
  staged.PhraseReplies.emplace_back(value);
  sentences.clear();
  SplitSentences(key, sentences);
  for (const std::string& sentence : sentences) {
    staged.SentenceIndex.push_back(MakeIndexEntry(sentence, position));
  }
}

void StoreRecord(Mind& staged, std::string_view key, std::string_view value,
                 std::size_t first_position, StringList& sentences) {
  const KeyLineKind kind = ClassifyKeyLine(key);
  if (kind.thought) return;
  if (kind.tagged) {
    (staged.*kind.tagged->list).emplace_back(value);
  } else if (kind.bracketed) {
    (staged.*kind.bracketed->keys).emplace_back(kind.inner_key);
    (staged.*kind.bracketed->replies).emplace_back(value);
  } else {
    StorePhraseRecord(staged, key, value, first_position + staged.PhraseReplies.size(), sentences);
  }
}

}  // namespace

void AppendMindContent(Mind& mind, std::string_view content) {
  // Records go to a staging mind first, so that running out of memory
  // midway leaves `mind` untouched.
  Mind staged;
  StringList sentences;
  MindLineReader lines(content);
  std::string_view key;
  std::string_view value;
  while (lines.Next(key) && lines.Next(value)) {
    if (key.empty() || value.empty()) continue;
    StoreRecord(staged, key, value, mind.PhraseReplies.size(), sentences);
  }
  for (StringList Mind::*list : kLoadedLists) ReserveForAppend(mind.*list, (staged.*list).size());
  // With the room reserved, the moves below cannot fail.
  for (StringList Mind::*list : kLoadedLists) {
    StringList& from = staged.*list;
    (mind.*list)
        .insert((mind.*list).end(), std::make_move_iterator(from.begin()),
                std::make_move_iterator(from.end()));
  }
}

bool ReadMind(Mind& mind, std::string_view path) {
  std::string content;
  if (!ReadFileContents(std::string(path), content)) return false;
  AppendMindContent(mind, content);
  return true;
}

bool LoadMindFile(Mind& mind, std::string_view path) {
  return !path.empty() && ReadMind(mind, path);
}

}  // namespace chatmind
