#include "text/sentences.h"

namespace chatmind {
namespace {

constexpr std::string_view kTerminators = ".?!";

}  // namespace

SentenceScanner::SentenceScanner(std::string_view text)
    : rest_(text.substr(0, text.find_last_of(kTerminators) + 1)) {}

bool SentenceScanner::Next(std::string_view& sentence) {
  while (!rest_.empty()) {
    const std::size_t previous = rest_.size() < 2
                                     ? std::string_view::npos
                                     : rest_.find_last_of(kTerminators, rest_.size() - 2);
    std::string_view found = rest_.substr(previous + 1);
    rest_ = rest_.substr(0, previous + 1);
    // The terminator itself is no space, so this keeps it at least.
    found.remove_prefix(found.find_first_not_of(' '));
    if (found.size() >= 2) {
      sentence = found;
      return true;
    }
  }
  return false;
}

void AppendSentences(std::string_view text, std::vector<std::string_view>& sentences) {
  SentenceScanner scanner(text);
  std::string_view sentence;
  while (scanner.Next(sentence)) sentences.push_back(sentence);
}

std::size_t SplitSentences(std::string_view text, StringList& sentences) {
  std::vector<std::string_view> found;
  AppendSentences(text, found);
  sentences.insert(sentences.begin(), found.begin(), found.end());
  return sentences.size();
}

}  // namespace chatmind
