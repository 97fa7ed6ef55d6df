#ifndef CHATMIND_ENGINE_HPP_
#define CHATMIND_ENGINE_HPP_

#include <memory>
#include <string>
#include <string_view>

#include "chatmind/reply_explanation.hpp"

namespace chatmind {

// A conversational reply engine: one mind (the knowledge loaded from mind
// files and learned in conversation), the reply buffer and the settings file
// that holds the fallback reply. Engines are independent of each other.
//
// All text is Windows-1251 bytes; everything after a NUL byte in an argument
// is ignored. An Engine is not safe for concurrent use: make one call at a
// time. Where memory runs out, methods throw std::bad_alloc; the mind's
// key/reply lists keep their pairing.
class Engine {
 public:
  // `settings_path` names the settings file whose section "Search", entry
  // "NotClear" holds the fallback reply. It is read at every fallback; a
  // relative path is taken relative to the current directory at that time
  // (on Windows, a name without directory is looked for in the Windows
  // directory), and a missing file gives the default reply "Не понял.".
  explicit Engine(std::string settings_path);
  ~Engine();

  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // Answers one line of user text and learns from it. The returned text is
  // owned by the engine, followed by a NUL byte (data()[size()] == '\0'), and
  // valid until the next call of any method of this engine. A text of spaces
  // only gets an empty reply.
  std::string_view GetReplyTo(std::string_view text);

  // Appends the records of the mind file at `path` to the mind. Returns true
  // when the file was read, false when `path` is empty or the file cannot be
  // opened or read; the mind is then unchanged. Always gives the reply buffer
  // fresh storage.
  bool LoadMind(std::string_view path);

  // Writes the mind to the mind file at `path` (replacing it atomically where
  // the file system allows) and unloads what was written. Returns false when
  // `path` is empty or the file cannot be written; everything stays in
  // memory then, and the file keeps its old content. Always releases the
  // reply buffer.
  bool SaveMind(std::string_view path);

  // Turns the recording of explanations on or off (off at construction).
  // While on, every GetReplyTo records why it replied as it did.
  void SetExplaining(bool on);

  // The explanation of the last reply given while explaining was on; valid
  // until the next call of a non-const method of this engine.
  const ReplyExplanation& LastExplanation() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace chatmind

#endif  // CHATMIND_ENGINE_HPP_
