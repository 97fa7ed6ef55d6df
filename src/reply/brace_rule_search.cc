#include "reply/brace_rule_search.h"

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "reply/fresh_reply.h"

namespace chatmind {

void BraceRuleSearch::Update(const Mind& mind, Vocabulary& vocabulary) {
  std::vector<std::uint32_t> ids;
  for (; size_ < mind.BraceKeys.size(); ++size_) {
    ids.clear();
    const SentenceKind kind = vocabulary.AddWords(mind.BraceKeys[size_], ids);
    SortDistinct(ids);
    for (const std::uint32_t id : ids) rules_.Add(kind, id, static_cast<std::uint32_t>(size_));
  }
}

void BraceRuleSearch::Clear() {
  rules_.Clear();
  size_ = 0;
}

std::string BraceRuleSearch::MatchSentence(const Mind& mind, const Vocabulary& vocabulary,
                                           std::string_view sentence, MatchTrace* trace) const {
  std::vector<std::uint32_t> ids;
  const SentenceKind kind = vocabulary.FindWords(sentence, ids);
  std::unordered_set<std::uint32_t> tried;
  for (const std::uint32_t id : ids) {
    // A word asked again would find only the replies it found stale.
    if (!vocabulary.IsIgnored(id) || !tried.insert(id).second) continue;
    for (const std::uint32_t rule : rules_.Find(kind, id)) {
      if (!IsFreshReply(mind, mind.BraceReplies[rule])) continue;
      if (trace) {
        trace->item = rule;
        trace->words.emplace_back(vocabulary.Word(id));
      }
      return std::string(mind.BraceReplies[rule]);
    }
  }
  return {};
}

}  // namespace chatmind
