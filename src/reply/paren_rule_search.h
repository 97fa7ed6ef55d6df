#ifndef CHATMIND_REPLY_PAREN_RULE_SEARCH_H_
#define CHATMIND_REPLY_PAREN_RULE_SEARCH_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "mind/mind.h"
#include "reply/posting_lists.h"
#include "reply/reply_trace.h"
#include "reply/vocabulary.h"

namespace chatmind {

// Answers a text from the paren rules. Each rule with words is filed under
// one of them, its anchor (the word the fewest rules hold), so that a
// sentence looks only at the rules anchored at its own words; the rules
// without words answer every sentence of their kind and are kept apart.
class ParenRuleSearch {
 public:
  // Indexes the rules of ParenKeys from number size() on.
  void Update(const Mind& mind, Vocabulary& vocabulary);

  // The reply for one `sentence` of a text (see the Matcher method this
  // serves), or an empty string.
  std::string MatchSentence(const Mind& mind, const Vocabulary& vocabulary,
                            std::string_view sentence, MatchTrace* trace) const;

  // The number of rules indexed.
  std::size_t size() const { return word_starts_.size() - 1; }

  void Clear();

 private:
  // Rule r's distinct words are words_[word_starts_[r], word_starts_[r + 1]).
  std::vector<std::uint32_t> word_starts_ = {0};
  std::vector<std::uint32_t> words_;
  // How many rules hold each word id.
  std::vector<std::uint32_t> rules_holding_;
  PostingLists anchored_;
  // The rules without words, by kind.
  std::array<std::vector<std::uint32_t>, kSentenceKinds> wordless_;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_PAREN_RULE_SEARCH_H_
