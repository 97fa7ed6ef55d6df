#include "reference/paren_rules.h"

#include <cstddef>

#include "reference/plain_lookups.h"
#include "text/sentence_kind.h"
#include "text/sentences.h"
#include "text/word_lists.h"

namespace chatmind::reference {

std::string MatchParenRules(const Mind& mind, std::string_view text) {
  StringList sentences;
  SplitSentences(text, sentences);
  for (const std::string& sentence : sentences) {
    StringList words;
    const SentenceKind kind = ClassifySentence(sentence, mind.QuestionWords, words);

    for (std::size_t j = 0; j < mind.ParenKeys.size(); ++j) {
      StringList key_words;
      if (ClassifySentence(mind.ParenKeys[j], mind.QuestionWords, key_words) != kind) continue;
      if (!ContainsAll(key_words, words)) continue;
      if (IsFreshByScan(mind, mind.ParenReplies[j])) return std::string(mind.ParenReplies[j]);
    }
  }
  return {};
}

}  // namespace chatmind::reference
