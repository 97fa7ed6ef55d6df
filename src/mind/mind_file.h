#ifndef CHATMIND_MIND_MIND_FILE_H_
#define CHATMIND_MIND_MIND_FILE_H_

#include <functional>
#include <string>
#include <string_view>

namespace chatmind {

// Receives the bytes of a file being written.
class ByteSink {
 public:
  virtual ~ByteSink() = default;

  // Appends `bytes`. Returns false once a write has failed; every later
  // call then fails too.
  virtual bool Write(std::string_view bytes) = 0;
};

// Reads the whole file at `path` into `contents` (replacing what it held).
// Returns false when the file cannot be opened or a read fails.
bool ReadFileContents(const std::string& path, std::string& contents);

// Replaces the content of the file at `path` with the bytes that `produce`
// writes to the sink it is given; `produce` returns false when a write
// failed, and may be called a second time, when it must write the same
// bytes again. A symbolic link at `path` is followed.
//
// Where it can, the new content goes to a temporary file in the same
// directory, which is synced and then renamed over the target (keeping an
// existing target's permission bits), so that the target holds either its
// old or its new content, never a mix, even when the process is killed
// midway. Where no temporary file may be made there, or the target is not a
// regular file (a device, a pipe), the target is written in place.
//
// The temporary file has a name only while it is renamed, where the system
// allows files without a name (Linux), and otherwise for the whole save; a
// name is ".NAME.tmp-" and decimal digits on POSIX systems and
// "NAME.HEX.tmp" on Windows, NAME being the target's name. The saver holds
// a named temporary (locked on POSIX, open without sharing on Windows)
// while it works on it, and each save first removes those of its target
// that nobody holds, which a save that died has left behind.
//
// Returns true when every byte was written and the target replaced. On
// false the target keeps its old content, except when it was written in
// place, and no temporary file is left.
bool ReplaceFile(const std::string& path, const std::function<bool(ByteSink&)>& produce);

}  // namespace chatmind

#endif  // CHATMIND_MIND_MIND_FILE_H_
