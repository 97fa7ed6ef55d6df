#include "reference/brace_rules.h"

#include <cstddef>

#include "reference/plain_lookups.h"
#include "text/sentence_kind.h"
#include "text/sentences.h"
#include "text/word_lists.h"

namespace chatmind::reference {

std::string MatchBraceRules(const Mind& mind, std::string_view text) {
  StringList sentences;
  SplitSentences(text, sentences);
  for (const std::string& sentence : sentences) {
    StringList words;
    const SentenceKind kind = ClassifySentence(sentence, mind.QuestionWords, words);
    StringList significant;
    StringList ignored;
    SeparateIgnored(words, mind.IgnoredWords, significant, ignored);

    for (const std::string& ignored_word : ignored) {
      for (std::size_t j = 0; j < mind.BraceKeys.size(); ++j) {
        StringList key_words;
        if (ClassifySentence(mind.BraceKeys[j], mind.QuestionWords, key_words) != kind) continue;
        if (FindString(ignored_word, key_words) == -1) continue;
        if (IsFreshByScan(mind, mind.BraceReplies[j])) return std::string(mind.BraceReplies[j]);
      }
    }
  }
  return {};
}

}  // namespace chatmind::reference
