#ifndef CHATMIND_TEXT_LOWERCASE_H_
#define CHATMIND_TEXT_LOWERCASE_H_

namespace chatmind {

// Returns the Windows-1251 lower-case letter of `c` when `c` is an
// upper-case letter (Latin A-Z, Cyrillic А-Я and Ё, and the further
// Cyrillic capitals of the code page), otherwise `c` itself. The mapping is
// a fixed table: no locale of the process plays a part.
char LowercaseByte(char c);

}  // namespace chatmind

#endif  // CHATMIND_TEXT_LOWERCASE_H_
