#ifndef CHATMIND_REPLY_EXPLANATION_HPP_
#define CHATMIND_REPLY_EXPLANATION_HPP_

#include <string>
#include <vector>

namespace chatmind {

// Why an engine gave a reply: the decision it made, recorded as it was made.
// All text is Windows-1251 bytes.
struct ReplyExplanation {
  enum class Source {
    kNone,             // no reply was composed (a text of spaces only)
    kExactPhrase,      // a phrase pair's key equals the text
    kIndexedSentence,  // an index entry shares two significant words with a sentence
    kParenRule,        // every word of a paren rule's key is in a sentence
    kBraceRule,        // a brace rule's key holds an ignored word of a sentence
    kEscapePhrase,     // the first escape phrase not given since the last fallback
    kInitialPhrase,    // the first initial phrase not given since the last fallback
    kFallback,         // nothing answered: the fallback reply
  };

  Source source = Source::kNone;
  // The sentence of the text that matched (indexed sentence, paren and brace
  // rules).
  std::string sentence;
  // The key of the phrase pair (exact phrase, indexed sentence) or of the
  // rule (paren and brace rules) that answered.
  std::string key;
  // Indexed sentence: the index entry that matched.
  std::string index_entry;
  // Indexed sentence: the significant words the sentence shares with the
  // entry. Paren rule: the words of its key. Brace rule: the ignored word.
  std::vector<std::string> words;
  // Whether the pair (the previous reply, this text) was learned, and the
  // pair itself.
  bool learned = false;
  std::string learned_key;
  std::string learned_reply;
};

}  // namespace chatmind

#endif  // CHATMIND_REPLY_EXPLANATION_HPP_
