#include "mind/mind_format.h"

namespace chatmind {

KeyLineKind ClassifyKeyLine(std::string_view key_line) {
  KeyLineKind kind;
  if (key_line == kThoughtTag) {
    kind.thought = true;
    return kind;
  }
  for (const TaggedRecord& tagged : kTaggedRecords) {
    if (key_line == tagged.tag) {
      kind.tagged = &tagged;
      return kind;
    }
  }
  if (key_line.size() < 2 || key_line[0] != ' ') return kind;
  for (const BracketedRecord& bracketed : kBracketedRecords) {
    // « |» is a bar form: its second byte is both opener and closer.
    if (key_line[1] == bracketed.opener && key_line.back() == bracketed.closer) {
      kind.bracketed = &bracketed;
      kind.inner_key = key_line.size() > 2 ? key_line.substr(2, key_line.size() - 3) : "";
      return kind;
    }
  }
  return kind;
}

MindLineReader::MindLineReader(std::string_view content)
    : rest_(content.substr(0, content.find('\x1a'))) {}

bool MindLineReader::Next(std::string_view& line) {
  if (rest_.empty()) return false;
  const std::size_t feed = rest_.find('\n');
  if (feed == std::string_view::npos) {
    line = rest_;
    rest_ = {};
  } else {
    line = rest_.substr(0, feed);
    rest_.remove_prefix(feed + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  }
  line = line.substr(0, line.find('\0'));
  return true;
}

}  // namespace chatmind
