#include "mind/mind_reader.h"

#include <memory>
#include <utility>

#include "mind/mind_file.h"
#include "mind/mind_format.h"
#include "text/sentences.h"

namespace chatmind {
namespace {

// Loads into a mind of its own first, holding views into the content, so
// that running out of memory midway leaves the target mind untouched.
class StagedLoad {
 public:
  StagedLoad(TextBlock content, std::size_t first_position)
      : content_(std::move(content)), first_position_(first_position) {}

  void Store(std::string_view key, std::string_view value) {
    const KeyLineKind kind = ClassifyKeyLine(key);
    if (kind.thought) return;
    if (kind.tagged) {
      (staged_.*kind.tagged->list).AppendShared(value, content_);
    } else if (kind.bracketed) {
      (staged_.*kind.bracketed->keys).AppendShared(kind.inner_key, content_);
      (staged_.*kind.bracketed->replies).AppendShared(value, content_);
    } else {
      StorePhrase(key, value);
    }
  }

  // Appends what was staged to `mind`; cannot fail halfway.
  void CommitTo(Mind& mind) {
    for (TextList Mind::*list : kFileBackedLists) {
      if (!(mind.*list).empty()) (mind.*list).Reserve((staged_.*list).size(), 0);
    }
    if (!mind.SentenceIndex.empty()) {
      mind.SentenceIndex.reserve(mind.SentenceIndex.size() + staged_.SentenceIndex.size());
    }
    // With the room reserved, nothing below allocates; an empty list simply
    // takes the staged one.
    for (TextList Mind::*list : kFileBackedLists) {
      if ((mind.*list).empty()) {
        mind.*list = std::move(staged_.*list);
      } else {
        (mind.*list).Append(staged_.*list);
      }
    }
    if (mind.SentenceIndex.empty()) {
      mind.SentenceIndex = std::move(staged_.SentenceIndex);
    } else {
      mind.SentenceIndex.insert(mind.SentenceIndex.end(), staged_.SentenceIndex.begin(),
                                staged_.SentenceIndex.end());
    }
  }

 private:
  void StorePhrase(std::string_view key, std::string_view value) {
    const std::size_t position = first_position_ + staged_.PhraseReplies.size();
    staged_.PhraseKeys.AppendShared(key, content_);
    staged_.PhraseReplies.AppendShared(value, content_);
    SentenceScanner sentences(key);
    std::string_view sentence;
    while (sentences.Next(sentence)) staged_.SentenceIndex.push_back({sentence, position});
  }

  TextBlock content_;
  std::size_t first_position_;
  Mind staged_;
};

}  // namespace

void AppendMindContent(Mind& mind, std::string content) {
  const auto block = std::make_shared<const std::string>(std::move(content));
  StagedLoad load(block, mind.PhraseReplies.size());
  MindLineReader lines(*block);
  std::string_view key;
  std::string_view value;
  while (lines.Next(key) && lines.Next(value)) {
    if (key.empty() || value.empty()) continue;
    load.Store(key, value);
  }
  load.CommitTo(mind);
}

bool ReadMind(Mind& mind, std::string_view path) {
  std::string content;
  if (!ReadFileContents(std::string(path), content)) return false;
  AppendMindContent(mind, std::move(content));
  return true;
}

bool LoadMindFile(Mind& mind, std::string_view path) {
  return !path.empty() && ReadMind(mind, path);
}

}  // namespace chatmind
