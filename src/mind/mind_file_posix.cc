#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "mind/buffered_sink.h"
#include "mind/mind_file.h"
#include "mind/temporary_file_guard.h"

namespace chatmind {
namespace {

constexpr int kMaxSymlinkHops = 40;
constexpr int kTempNameAttempts = 100;
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kMaxTemporaryDigits = 10;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }

  int get() const { return fd_; }

  // Closes now and reports the result, which a buffered write may depend on.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool FillFile(int fd, bool sync, const std::function<bool(ByteSink&)>& produce) {
  BufferedSink sink([fd](std::string_view bytes) { return WriteAll(fd, bytes); });
  return produce(sink) && sink.Flush() && (!sync || ::fsync(fd) == 0);
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The directory of `path` in a form open() takes.
std::string OpenableDirectoryOf(const std::string& path) {
  const std::string directory = DirectoryOf(path);
  return directory.empty() ? std::string(".") : directory;
}

// Follows symbolic links in the last component, so that the file a link
// points to is replaced rather than the link.
std::string ResolveLinks(const std::string& path) {
  std::string resolved = path;
  struct stat status;
  for (int hop = 0; hop < kMaxSymlinkHops; ++hop) {
    if (::lstat(resolved.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) break;
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(resolved.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) break;
    target.resize(static_cast<std::size_t>(length));
    resolved = target.front() == '/' ? target : DirectoryOf(resolved) + target;
  }
  return resolved;
}

std::string TemporaryName(const std::string& target, int attempt) {
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::uint64_t salt = static_cast<std::uint64_t>(now) * 2654435761u +
                             static_cast<std::uint64_t>(::getpid()) * 40503u +
                             static_cast<std::uint64_t>(attempt);
  return DirectoryOf(target) + "." + BaseName(target) + std::string(kTemporaryMark) +
         std::to_string(salt % 1000000007u);
}

// Whether `entry` is a name TemporaryName gives for a target named `base`.
bool IsTemporaryName(std::string_view entry, const std::string& base) {
  const std::size_t prefix = 1 + base.size() + kTemporaryMark.size();
  if (entry.size() <= prefix || entry.size() > prefix + kMaxTemporaryDigits) return false;
  if (entry[0] != '.' || entry.substr(1, base.size()) != base ||
      entry.substr(1 + base.size(), kTemporaryMark.size()) != kTemporaryMark) {
    return false;
  }
  return entry.substr(prefix).find_first_not_of("0123456789") == std::string_view::npos;
}

// Whether `name` still names the file open as `fd`.
bool StillNames(const std::string& name, int fd) {
  struct stat by_name;
  struct stat by_fd;
  return ::lstat(name.c_str(), &by_name) == 0 && ::fstat(fd, &by_fd) == 0 &&
         by_name.st_dev == by_fd.st_dev && by_name.st_ino == by_fd.st_ino;
}

// A save holds an exclusive lock on its temporary file for as long as the
// file has a name; when the saver dies the lock goes with it. So a temporary
// of `target` whose lock can be taken was left by a save that never ended,
// and is removed; those of saves still running are left alone.
void RemoveDeadTemporaries(const std::string& target) {
  const std::string directory = DirectoryOf(target);
  const std::string base = BaseName(target);
  DIR* listing = ::opendir(OpenableDirectoryOf(target).c_str());
  if (listing == nullptr) return;
  while (const dirent* entry = ::readdir(listing)) {
    if (!IsTemporaryName(entry->d_name, base)) continue;
    const std::string name = directory + entry->d_name;
    FileDescriptor file(::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status;
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
    // The name is checked again under the lock: its saver may have renamed
    // it into place and ended between the open and the lock.
    if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0 && StillNames(name, file.get())) {
      ::unlink(name.c_str());
    }
  }
  ::closedir(listing);
}

// Creates a new, locked file beside `target`, with the mode a plain create
// would give (0666 less the umask). Returns -1 and leaves `name` empty on
// failure.
int CreateTemporaryFile(const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    std::string candidate = TemporaryName(target, attempt);
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno != EEXIST) return -1;
      continue;
    }
    // Until the lock is held, another save may take the new file for a dead
    // one's and remove it. A file system without locks has no such saves.
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
    if (locked && StillNames(candidate, fd)) {
      name = std::move(candidate);
      return fd;
    }
    ::close(fd);
  }
  errno = EEXIST;
  return -1;
}

#ifdef O_TMPFILE
// Creates a locked file without a name in the directory of `target`, which a
// killed save cannot leave behind. Returns -1 where the file system has no
// such files.
int CreateUnnamedFile(const std::string& target) {
  const int fd =
      ::open(OpenableDirectoryOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd >= 0) ::flock(fd, LOCK_EX | LOCK_NB);
  return fd;
}

// Gives the unnamed file `fd` a temporary name beside `target`. Returns
// false, with errno ENOENT when the system offers no way to name it (no
// /proc, and no privilege to link by descriptor).
bool NameUnnamedFile(int fd, const std::string& target, std::string& name) {
  const std::string by_descriptor = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    std::string candidate = TemporaryName(target, attempt);
    if (::linkat(AT_FDCWD, by_descriptor.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) ==
            0 ||
        (errno == ENOENT && ::linkat(fd, "", AT_FDCWD, candidate.c_str(), AT_EMPTY_PATH) == 0)) {
      name = std::move(candidate);
      return true;
    }
    if (errno != EEXIST) return false;
  }
  errno = EEXIST;
  return false;
}
#endif

void SyncDirectory(const std::string& target) {
  const int fd = ::open(OpenableDirectoryOf(target).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool WriteInPlace(const std::string& target, bool sync,
                  const std::function<bool(ByteSink&)>& produce) {
  FileDescriptor file(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) return false;
  const bool filled = FillFile(file.get(), sync, produce);
  return file.Close() && filled;
}

// Gives the temporary file `fd` the owner and permission bits of the file
// it replaces, if any, and fills it, synced.
bool FillTemporary(int fd, const struct stat* replaced,
                   const std::function<bool(ByteSink&)>& produce) {
  if (replaced != nullptr) {
    // Ownership first: changing it clears set-id bits. Only root may give a
    // file away (EPERM otherwise); the new file then stays the saver's.
    if (::fchown(fd, replaced->st_uid, replaced->st_gid) != 0 && errno != EPERM) return false;
    if (::fchmod(fd, replaced->st_mode & 07777) != 0) return false;
  }
  return FillFile(fd, true, produce);
}

// Renames the complete temporary file `name` over `target`, or removes it.
// The caller keeps the temporary open, and so locked, until this returns.
bool MoveIntoPlace(const std::string& name, const std::string& target) {
  TemporaryFileGuard guard(name);
  if (::rename(name.c_str(), target.c_str()) != 0) return false;
  guard.Release();
  SyncDirectory(target);
  return true;
}

}  // namespace

bool ReadFileContents(const std::string& path, std::string& contents) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return false;
  struct stat status;
  if (::fstat(file.get(), &status) != 0 || S_ISDIR(status.st_mode)) return false;
  contents.clear();
  if (S_ISREG(status.st_mode) && status.st_size > 0) {
    contents.reserve(static_cast<std::size_t>(status.st_size));
  }
  char chunk[1 << 16];
  for (;;) {
    const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got == 0) return true;
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    contents.append(chunk, static_cast<std::size_t>(got));
  }
}

bool ReplaceFile(const std::string& path, const std::function<bool(ByteSink&)>& produce) {
  const std::string target = ResolveLinks(path);
  struct stat existing;
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) return WriteInPlace(target, false, produce);
  const struct stat* replaced = exists ? &existing : nullptr;

  RemoveDeadTemporaries(target);
  // The temporary's close comes after the rename and is not checked: the
  // file stays locked until it is in place, and fsync has already reported
  // any failed write.
#ifdef O_TMPFILE
  {
    FileDescriptor unnamed(CreateUnnamedFile(target));
    std::string name;
    if (unnamed.get() >= 0) {
      if (!FillTemporary(unnamed.get(), replaced, produce)) return false;
      if (NameUnnamedFile(unnamed.get(), target, name)) return MoveIntoPlace(name, target);
      // Without a way to name it the content is written again, to a named file.
      if (errno != ENOENT) return false;
    }
  }
#endif
  std::string temporary_name;
  FileDescriptor temporary(CreateTemporaryFile(target, temporary_name));
  if (temporary.get() < 0) {
    // A writable file in a directory where we may not create files can
    // still be saved, in place. Any other failure (a missing directory, a
    // full disk) must leave the old file alone.
    const bool denied = errno == EACCES || errno == EPERM;
    return denied && exists && WriteInPlace(target, true, produce);
  }
  TemporaryFileGuard guard(temporary_name);
  if (!FillTemporary(temporary.get(), replaced, produce)) return false;
  guard.Release();
  return MoveIntoPlace(temporary_name, target);
}

}  // namespace chatmind
