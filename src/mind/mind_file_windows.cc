#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "mind/buffered_sink.h"
#include "mind/mind_file.h"
#include "mind/temporary_file_guard.h"

// windows.h names ReplaceFileA so; the function defined here is ours.
#undef ReplaceFile

namespace chatmind {
namespace {

// The largest single ReadFile or WriteFile request.
constexpr DWORD kMaxTransfer = 1 << 30;
constexpr int kTempNameAttempts = 100;
constexpr std::size_t kTemporaryDigits = 8;
constexpr std::string_view kTemporaryExtension = ".tmp";

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (valid()) ::CloseHandle(handle_);
  }

  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

  // Closes now and reports the result, which a buffered write may depend on.
  bool Close() {
    const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
    return ::CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

// Mind files are opened without sharing: nobody else can open one while the
// engine holds it, and one that somebody else holds open cannot be opened.
HANDLE OpenUnshared(const std::string& path, DWORD access, DWORD disposition) {
  return ::CreateFileA(path.c_str(), access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD request = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kMaxTransfer));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), request, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool FillFile(HANDLE file, bool flush, const std::function<bool(ByteSink&)>& produce) {
  BufferedSink sink([file](std::string_view bytes) { return WriteAll(file, bytes); });
  return produce(sink) && sink.Flush() && (!flush || ::FlushFileBuffers(file));
}

bool WriteInPlace(const std::string& target, bool flush,
                  const std::function<bool(ByteSink&)>& produce) {
  FileHandle file(OpenUnshared(target, GENERIC_WRITE, CREATE_ALWAYS));
  if (!file.valid()) return false;
  const bool filled = FillFile(file.get(), flush, produce);
  return file.Close() && filled;
}

// The path of the file itself, links followed; `path` when it cannot be told.
std::string FinalPath(HANDLE file, const std::string& path) {
  char final_path[MAX_PATH];
  const DWORD length = ::GetFinalPathNameByHandleA(file, final_path, sizeof final_path,
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (length == 0 || length >= sizeof final_path) return path;
  return std::string(final_path, length);
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/:");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string TemporaryName(const std::string& target, int attempt) {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  std::uint64_t salt = static_cast<std::uint64_t>(now.QuadPart) * 2654435761u +
                       static_cast<std::uint64_t>(::GetCurrentProcessId()) * 40503u +
                       static_cast<std::uint64_t>(attempt);
  std::string hex(kTemporaryDigits, '0');
  for (std::size_t i = kTemporaryDigits; i-- > 0; salt >>= 4) {
    hex[i] = "0123456789abcdef"[salt & 15];
  }
  return target + "." + hex + std::string(kTemporaryExtension);
}

// Whether `entry` is a name TemporaryName gives for a target named `base`.
bool IsTemporaryName(std::string_view entry, std::string_view base) {
  if (entry.size() != base.size() + 1 + kTemporaryDigits + kTemporaryExtension.size() ||
      entry.substr(0, base.size()) != base || entry[base.size()] != '.' ||
      entry.substr(entry.size() - kTemporaryExtension.size()) != kTemporaryExtension) {
    return false;
  }
  return entry.substr(base.size() + 1, kTemporaryDigits).find_first_not_of("0123456789abcdef") ==
         std::string_view::npos;
}

// A save holds its temporary file open without sharing, and Windows closes
// the files of a process that dies, so a temporary of `target` that can be
// deleted was left by a save that never ended; those of saves still running
// cannot be.
void RemoveDeadTemporaries(const std::string& target) {
  const std::string directory = DirectoryOf(target);
  const std::string base = target.substr(directory.size());
  WIN32_FIND_DATAA found;
  const HANDLE search =
      ::FindFirstFileA((target + ".*" + std::string(kTemporaryExtension)).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (IsTemporaryName(found.cFileName, base)) {
      ::DeleteFileA((directory + found.cFileName).c_str());
    }
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
}

// Creates a new file beside `target`, held without sharing, and sets `name`
// to its name; an invalid handle, with the system's error code set, when
// none can be made there.
HANDLE CreateTemporaryFile(const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    std::string candidate = TemporaryName(target, attempt);
    const HANDLE file = OpenUnshared(candidate, GENERIC_WRITE, CREATE_NEW);
    if (file != INVALID_HANDLE_VALUE) {
      name = std::move(candidate);
      return file;
    }
    if (::GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  ::SetLastError(ERROR_FILE_EXISTS);
  return INVALID_HANDLE_VALUE;
}

}  // namespace

bool ReadFileContents(const std::string& path, std::string& contents) {
  FileHandle file(OpenUnshared(path, GENERIC_READ, OPEN_EXISTING));
  if (!file.valid()) return false;
  contents.clear();
  LARGE_INTEGER size;
  if (::GetFileSizeEx(file.get(), &size) && size.QuadPart > 0 &&
      static_cast<unsigned long long>(size.QuadPart) < contents.max_size()) {
    contents.reserve(static_cast<std::size_t>(size.QuadPart));
  }
  char chunk[1 << 16];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) return false;
    if (got == 0) return true;
    contents.append(chunk, got);
  }
}

bool ReplaceFile(const std::string& path, const std::function<bool(ByteSink&)>& produce) {
  // The target is held, unshared, until the new content is complete, so that
  // a file somebody else holds open is not saved over; asking to write to it
  // keeps a read-only file as it is.
  FileHandle existing(OpenUnshared(path, GENERIC_WRITE, OPEN_EXISTING));
  if (!existing.valid() && ::GetLastError() != ERROR_FILE_NOT_FOUND) return false;
  if (existing.valid() && ::GetFileType(existing.get()) != FILE_TYPE_DISK) {
    existing.Close();
    return WriteInPlace(path, false, produce);
  }
  const std::string target = existing.valid() ? FinalPath(existing.get(), path) : path;

  RemoveDeadTemporaries(target);
  std::string temporary_name;
  const HANDLE created = CreateTemporaryFile(target, temporary_name);
  if (created == INVALID_HANDLE_VALUE) {
    // A writable file in a directory where we may not create files can
    // still be saved, in place. Any other failure (a missing directory, a
    // full disk) must leave the old file alone.
    if (::GetLastError() != ERROR_ACCESS_DENIED || !existing.valid()) return false;
    existing.Close();
    return WriteInPlace(target, true, produce);
  }
  // Declared first, the guard removes the temporary only once it is closed.
  TemporaryFileGuard guard(temporary_name);
  FileHandle temporary(created);
  if (!FillFile(temporary.get(), true, produce) || !temporary.Close()) return false;
  // A file that is open, even by us, cannot be replaced. Another save that
  // starts right now may take the closed temporary for a dead one's; the
  // move then fails and the target keeps its old content.
  if (existing.valid()) existing.Close();
  if (!::MoveFileExA(temporary_name.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return false;
  }
  guard.Release();
  return true;
}

}  // namespace chatmind
