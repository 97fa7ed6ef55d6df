#ifndef CHATMIND_MIND_MIND_WRITER_H_
#define CHATMIND_MIND_MIND_WRITER_H_

#include <cstddef>
#include <string_view>

#include "mind/mind.h"
#include "mind/mind_file.h"

namespace chatmind {

// In a list of `n` elements reordered for a save, returns the position
// before the reorder of the element that ends up at `position`.
std::size_t SavedOrderSource(std::size_t position, std::size_t n);

// The inverse: where the element at `position` goes.
std::size_t SavedOrderTarget(std::size_t position, std::size_t n);

// Reorders each of the fourteen file-backed lists of `mind` into the order
// in which a save writes them (the elements at even positions, then those at
// odd positions, all reversed), and renumbers every SentenceIndex entry to
// its pair's new position. Both lists of a family move alike. When memory
// runs out (std::bad_alloc) nothing has changed.
void ReorderForSave(Mind& mind);

// Writes the records of the fourteen file-backed lists to `sink` in mind
// file format, each line ended by CR LF. A line feed or 0x1A byte inside an
// element is written as a space, so that the file reads back with the same
// pairing of lines. Returns false as soon as a write fails.
bool WriteMindRecords(const Mind& mind, ByteSink& sink);

// Reorders `mind` for the save, then replaces the file at `path` with its
// records. Returns false when the file cannot be written; the lists stay in
// memory, reordered.
bool WriteMind(Mind& mind, std::string_view path);

// Saves `mind` to `path` and, once the file is complete, unloads it with
// ClearMind. An empty `path` returns false and changes nothing.
bool SaveMindFile(Mind& mind, std::string_view path);

}  // namespace chatmind

#endif  // CHATMIND_MIND_MIND_WRITER_H_
