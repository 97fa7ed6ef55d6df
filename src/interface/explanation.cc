#include "interface/explanation.h"

#include "text/index_entry.h"

namespace chatmind {
namespace {

ReplyExplanation::Source SourceOf(ReplySource source) {
  switch (source) {
    case ReplySource::kNone:
      return ReplyExplanation::Source::kNone;
    case ReplySource::kExactPhrase:
      return ReplyExplanation::Source::kExactPhrase;
    case ReplySource::kIndexedSentence:
      return ReplyExplanation::Source::kIndexedSentence;
    case ReplySource::kParenRule:
      return ReplyExplanation::Source::kParenRule;
    case ReplySource::kBraceRule:
      return ReplyExplanation::Source::kBraceRule;
    case ReplySource::kEscapePhrase:
      return ReplyExplanation::Source::kEscapePhrase;
    case ReplySource::kInitialPhrase:
      return ReplyExplanation::Source::kInitialPhrase;
    case ReplySource::kFallback:
      return ReplyExplanation::Source::kFallback;
  }
  return ReplyExplanation::Source::kNone;
}

}  // namespace

ReplyExplanation Explain(const Mind& mind, const ReplyTrace& trace) {
  ReplyExplanation explanation;
  explanation.source = SourceOf(trace.source);
  explanation.sentence = trace.match.sentence;
  explanation.words = trace.match.words;
  const std::size_t item = trace.match.item;
  switch (trace.source) {
    case ReplySource::kExactPhrase:
      explanation.key = mind.PhraseKeys[item];
      break;
    case ReplySource::kIndexedSentence: {
      const IndexEntry& entry = mind.SentenceIndex[item];
      explanation.index_entry = MakeIndexEntry(entry.sentence, entry.position);
      explanation.key = mind.PhraseKeys[entry.position];
      break;
    }
    case ReplySource::kParenRule:
      explanation.key = mind.ParenKeys[item];
      break;
    case ReplySource::kBraceRule:
      explanation.key = mind.BraceKeys[item];
      break;
    default:
      break;
  }
  explanation.learned = trace.learned;
  if (trace.learned) {
    explanation.learned_key = mind.PhraseKeys.back();
    explanation.learned_reply = mind.PhraseReplies.back();
  }
  return explanation;
}

}  // namespace chatmind
