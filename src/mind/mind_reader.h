#ifndef CHATMIND_MIND_MIND_READER_H_
#define CHATMIND_MIND_MIND_READER_H_

#include <string>
#include <string_view>

#include "mind/mind.h"

namespace chatmind {

// Appends the records of mind file `content` to `mind`, with an index entry
// for every sentence of every phrase key. The mind keeps `content` and views
// its records there. All or nothing: when memory runs out (std::bad_alloc)
// `mind` is left as it was.
void AppendMindContent(Mind& mind, std::string content);

// Reads the mind file at `path` and appends its records to `mind`. Returns
// false, leaving `mind` unchanged, when the file cannot be opened or read.
bool ReadMind(Mind& mind, std::string_view path);

// As ReadMind, but an empty `path` returns false without touching any file.
bool LoadMindFile(Mind& mind, std::string_view path);

}  // namespace chatmind

#endif  // CHATMIND_MIND_MIND_READER_H_
