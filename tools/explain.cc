#include "explain.h"

#include <string_view>
#include <vector>

namespace chatmind::tool {
namespace {

using Source = ReplyExplanation::Source;

// Builds one line, putting the engine's Windows-1251 texts into the user's
// encoding between guillemets.
class Line {
 public:
  explicit Line(Codec& codec) : codec_(codec) {}

  Line& Say(std::string_view words) {
    text_ += words;
    return *this;
  }

  Line& Quote(std::string_view cp1251) {
    text_ += codec_.ToUser("\xAB");
    text_ += codec_.ToUser(cp1251);
    text_ += codec_.ToUser("\xBB");
    return *this;
  }

  Line& QuoteAll(const std::vector<std::string>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
      if (i > 0) Say(", ");
      Quote(words[i]);
    }
    return *this;
  }

  std::string Done() { return "explain: " + text_ + "\n"; }

 private:
  Codec& codec_;
  std::string text_;
};

std::string DescribeDecision(const ReplyExplanation& e, Codec& codec) {
  Line line(codec);
  switch (e.source) {
    case Source::kNone:
      return line.Say("a line of spaces only gets no reply").Done();
    case Source::kExactPhrase:
      return line.Say("exact phrase: the text equals the key ").Quote(e.key).Done();
    case Source::kIndexedSentence:
      return line.Say("indexed sentence: ")
          .Quote(e.sentence)
          .Say(" shares ")
          .QuoteAll(e.words)
          .Say(" with the index entry ")
          .Quote(e.index_entry)
          .Say(" of the pair with key ")
          .Quote(e.key)
          .Done();
    case Source::kParenRule:
      return line.Say("paren rule ")
          .Quote(e.key)
          .Say(": ")
          .Quote(e.sentence)
          .Say(e.words.empty() ? " is of its kind (the key has no word)" : " holds ")
          .QuoteAll(e.words)
          .Done();
    case Source::kBraceRule:
      return line.Say("brace rule ")
          .Quote(e.key)
          .Say(": ")
          .Quote(e.sentence)
          .Say(" holds the ignored word ")
          .QuoteAll(e.words)
          .Done();
    case Source::kEscapePhrase:
      return line.Say("escape phrase: no rule or phrase answered").Done();
    case Source::kInitialPhrase:
      return line.Say("initial phrase: no rule or phrase answered, every escape phrase was given")
          .Done();
    case Source::kFallback:
      return line.Say("fallback: nothing answered; the history starts anew").Done();
  }
  return {};
}

}  // namespace

std::string DescribeExplanation(const ReplyExplanation& explanation, Codec& codec) {
  std::string lines = DescribeDecision(explanation, codec);
  if (explanation.learned) {
    lines += Line(codec)
                 .Say("learned the pair ")
                 .Quote(explanation.learned_key)
                 .Say(" -> ")
                 .Quote(explanation.learned_reply)
                 .Done();
  }
  return lines;
}

}  // namespace chatmind::tool
