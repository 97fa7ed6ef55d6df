#ifndef CHATMIND_TEXT_WORD_LISTS_H_
#define CHATMIND_TEXT_WORD_LISTS_H_

#include <cstddef>

#include "text/string_list.h"
#include "text/text_list.h"

namespace chatmind {

// Word lists are compared element by element, byte for byte, as FindString
// does.

// True when every element of `a` is an element of `b`; true for an empty `a`.
bool ContainsAll(const StringList& a, const StringList& b);

// The number of positions of `a` whose element is an element of `b`; an
// element that stands twice in `a` counts twice.
std::size_t CountShared(const StringList& a, const StringList& b);

// Appends each element of `words`, in order, to `ignored` when it is an
// element of `ignored_words`, otherwise to `significant`.
void SeparateIgnored(const StringList& words, const TextList& ignored_words,
                     StringList& significant, StringList& ignored);

}  // namespace chatmind

#endif  // CHATMIND_TEXT_WORD_LISTS_H_
