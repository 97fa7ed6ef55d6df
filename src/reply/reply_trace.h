#ifndef CHATMIND_REPLY_REPLY_TRACE_H_
#define CHATMIND_REPLY_REPLY_TRACE_H_

#include <cstddef>
#include <string>
#include <vector>

namespace chatmind {

// What a strategy matched, as the matcher that answered saw it.
struct MatchTrace {
  // The sentence of the text that matched; empty for an exact phrase.
  std::string sentence;
  // The phrase pair (exact phrase), the SentenceIndex entry (indexed
  // sentence) or the rule (paren and brace rules) that answered.
  std::size_t item = 0;
  // Indexed sentence: the significant words shared with the entry. Paren
  // rule: the words of its key. Brace rule: the ignored word it holds.
  std::vector<std::string> words;
};

// The strategies in the order they are asked, then the fallback.
enum class ReplySource {
  kNone,  // no reply was composed: a text of spaces only
  kExactPhrase,
  kIndexedSentence,
  kParenRule,
  kBraceRule,
  kEscapePhrase,
  kInitialPhrase,
  kFallback,
};

// How one reply was decided.
struct ReplyTrace {
  ReplySource source = ReplySource::kNone;
  MatchTrace match;
  // Whether the pair (the previous reply, this text) was learned.
  bool learned = false;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_REPLY_TRACE_H_
