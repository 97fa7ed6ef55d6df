#ifndef CHATMIND_TEXT_INDEX_ENTRY_H_
#define CHATMIND_TEXT_INDEX_ENTRY_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace chatmind {

// Returns the index entry of `sentence` (a non-empty sentence from
// SplitSentences) for the phrase pair at `position`: the sentence with a
// space and the decimal position inserted before its terminator, so that
// «Как дела?» at 12 becomes «Как дела 12?».
std::string MakeIndexEntry(std::string_view sentence, std::size_t position);

// Returns n when `word` is the text that MakeIndexEntry writes for position
// n: decimal digits without a leading zero, "0" for zero.
std::optional<std::size_t> PositionWordValue(std::string_view word);

// Returns the decimal text of `n`: a '-' for negative values, no leading
// zeros, no spaces.
std::string NumberToText(std::int64_t n);

// Returns the value of the decimal integer at the start of `text`, after
// white space (0x09-0x0D, 0x20) and one optional sign; 0 when no digit
// follows. Values beyond the int range are clamped to it.
int TextToNumber(std::string_view text);

}  // namespace chatmind

#endif  // CHATMIND_TEXT_INDEX_ENTRY_H_
