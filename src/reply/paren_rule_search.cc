#include "reply/paren_rule_search.h"

#include <algorithm>

#include "reply/fresh_reply.h"

namespace chatmind {

void ParenRuleSearch::Update(const Mind& mind, Vocabulary& vocabulary) {
  const std::size_t first = size();
  std::vector<SentenceKind> kinds;
  std::vector<std::uint32_t> ids;
  for (std::size_t rule = first; rule < mind.ParenKeys.size(); ++rule) {
    ids.clear();
    kinds.push_back(vocabulary.AddWords(mind.ParenKeys[rule], ids));
    SortDistinct(ids);
    for (const std::uint32_t id : ids) {
      if (id >= rules_holding_.size()) rules_holding_.resize(id + 1);
      ++rules_holding_[id];
    }
    words_.insert(words_.end(), ids.begin(), ids.end());
    word_starts_.push_back(static_cast<std::uint32_t>(words_.size()));
  }
  // Anchors are chosen once every new rule is counted, so that they are as
  // rare as this load can tell.
  for (std::size_t rule = first; rule < size(); ++rule) {
    const auto begin = words_.begin() + word_starts_[rule];
    const auto end = words_.begin() + word_starts_[rule + 1];
    const SentenceKind kind = kinds[rule - first];
    const auto number = static_cast<std::uint32_t>(rule);
    if (begin == end) {
      wordless_[SentenceKindIndex(kind)].push_back(number);
      continue;
    }
    const auto anchor = std::min_element(begin, end, [this](std::uint32_t a, std::uint32_t b) {
      return rules_holding_[a] < rules_holding_[b];
    });
    anchored_.Add(kind, *anchor, number);
  }
}

void ParenRuleSearch::Clear() {
  word_starts_ = {0};
  words_ = {};
  rules_holding_ = {};
  anchored_.Clear();
  for (auto& rules : wordless_) rules = {};
}

std::string ParenRuleSearch::MatchSentence(const Mind& mind, const Vocabulary& vocabulary,
                                           std::string_view sentence, MatchTrace* trace) const {
  std::vector<std::uint32_t> present;
  const SentenceKind kind = vocabulary.FindWords(sentence, present);
  SortDistinct(present);
  const auto is_present = [&](std::uint32_t id) {
    return std::binary_search(present.begin(), present.end(), id);
  };

  std::vector<std::uint32_t> candidates;
  for (const std::uint32_t id : present) {
    for (const std::uint32_t rule : anchored_.Find(kind, id)) {
      if (std::all_of(words_.begin() + word_starts_[rule], words_.begin() + word_starts_[rule + 1],
                      is_present)) {
        candidates.push_back(rule);
      }
    }
  }
  std::sort(candidates.begin(), candidates.end());

  // Both lists in rule order, merged: the first fresh reply wins.
  const std::vector<std::uint32_t>& wordless = wordless_[SentenceKindIndex(kind)];
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < candidates.size() || j < wordless.size()) {
    const bool take_candidate =
        j == wordless.size() || (i < candidates.size() && candidates[i] < wordless[j]);
    const std::uint32_t rule = take_candidate ? candidates[i++] : wordless[j++];
    if (!IsFreshReply(mind, mind.ParenReplies[rule])) continue;
    if (trace) {
      trace->item = rule;
      for (auto id = word_starts_[rule]; id < word_starts_[rule + 1]; ++id) {
        trace->words.emplace_back(vocabulary.Word(words_[id]));
      }
    }
    return std::string(mind.ParenReplies[rule]);
  }
  return {};
}

}  // namespace chatmind
