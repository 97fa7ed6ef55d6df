#ifndef CHATMIND_REPLY_BRACE_RULE_SEARCH_H_
#define CHATMIND_REPLY_BRACE_RULE_SEARCH_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "mind/mind.h"
#include "reply/posting_lists.h"
#include "reply/reply_trace.h"
#include "reply/vocabulary.h"

namespace chatmind {

// Answers a text from the brace rules through posting lists: for each kind
// and word, the rules of that kind whose key holds the word.
class BraceRuleSearch {
 public:
  // Indexes the rules of BraceKeys from number size() on.
  void Update(const Mind& mind, Vocabulary& vocabulary);

  // The reply for one `sentence` of a text (see the Matcher method this
  // serves), or an empty string.
  std::string MatchSentence(const Mind& mind, const Vocabulary& vocabulary,
                            std::string_view sentence, MatchTrace* trace) const;

  // The number of rules indexed.
  std::size_t size() const { return size_; }

  void Clear();

 private:
  PostingLists rules_;
  std::size_t size_ = 0;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_BRACE_RULE_SEARCH_H_
