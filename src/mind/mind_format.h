#ifndef CHATMIND_MIND_MIND_FORMAT_H_
#define CHATMIND_MIND_MIND_FORMAT_H_

#include <string_view>

#include "mind/mind.h"

namespace chatmind {

// A tagged record: its key line is exactly `tag`; its value line is an
// element of `list`.
struct TaggedRecord {
  std::string_view tag;
  TextList Mind::*list;
};

// A bracketed record: its key line is " " opener inner-key closer.
struct BracketedRecord {
  char opener;
  char closer;
  TextList Mind::*keys;
  TextList Mind::*replies;
};

// The key line of a record that is read and dropped.
inline constexpr std::string_view kThoughtTag = " <THOUGHT>";

// Tagged records, in the order in which the writer puts their sections.
inline constexpr TaggedRecord kTaggedRecords[] = {
    {" <QUESTION>", &Mind::QuestionWords},
    {" <IGNORED>", &Mind::IgnoredWords},
    {" <ESCAPE>", &Mind::EscapePhrases},
    {" <INITIAL>", &Mind::InitialPhrases},
};

// Bracketed records, in the order in which the writer puts their sections.
inline constexpr BracketedRecord kBracketedRecords[] = {
    {'(', ')', &Mind::ParenKeys, &Mind::ParenReplies},
    {'|', '|', &Mind::BarKeys, &Mind::BarReplies},
    {'{', '}', &Mind::BraceKeys, &Mind::BraceReplies},
    {'[', ']', &Mind::BracketKeys, &Mind::BracketReplies},
};

// What a key line makes of its record. Exactly one of the pointers is set,
// or none for a phrase record or a dropped thought.
struct KeyLineKind {
  const TaggedRecord* tagged = nullptr;
  const BracketedRecord* bracketed = nullptr;
  bool thought = false;
  // For a bracketed record: the key line without its opener and closer.
  std::string_view inner_key;
};

// Decides the kind of record that `key_line` opens. A tag must equal the
// whole line; a bracketed form needs only its opener as the first two bytes
// and its closer as the last byte. Anything else makes a phrase record.
KeyLineKind ClassifyKeyLine(std::string_view key_line);

// Cuts mind file content into lines: 0x1A ends the content, LF ends a line,
// a CR directly before an LF is dropped, a NUL ends the line's text, and
// bytes after the last LF form a last line.
class MindLineReader {
 public:
  explicit MindLineReader(std::string_view content);

  // Sets `line` to the next line and returns true, or returns false when
  // no line is left. `line` views the content passed to the constructor.
  bool Next(std::string_view& line);

 private:
  std::string_view rest_;
};

}  // namespace chatmind

#endif  // CHATMIND_MIND_MIND_FORMAT_H_
