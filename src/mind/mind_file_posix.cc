#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <string>
#include <utility>

#include "mind/buffered_sink.h"
#include "mind/mind_file.h"
#include "mind/temporary_file_guard.h"

namespace chatmind {
namespace {

constexpr int kMaxSymlinkHops = 40;
constexpr int kTempNameAttempts = 100;

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
  const std::size_t slash = target.rfind('/');
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::uint64_t salt = static_cast<std::uint64_t>(now) * 2654435761u +
                             static_cast<std::uint64_t>(::getpid()) * 40503u +
                             static_cast<std::uint64_t>(attempt);
  return DirectoryOf(target) + "." + base + ".tmp-" + std::to_string(salt % 1000000007u);
}

// Creates a new file beside `target`, with the mode a plain create would
// give (0666 less the umask). Returns -1 and leaves `name` empty on failure.
int CreateTemporaryFile(const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    std::string candidate = TemporaryName(target, attempt);
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      name = std::move(candidate);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  errno = EEXIST;
  return -1;
}

void SyncDirectory(const std::string& target) {
  const std::string directory = DirectoryOf(target);
  const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_CLOEXEC);
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
  if (exists) {
    // Ownership first: changing it clears set-id bits. Only root may give a
    // file away (EPERM otherwise); the new file then stays the saver's.
    if (::fchown(temporary.get(), existing.st_uid, existing.st_gid) != 0 && errno != EPERM) {
      return false;
    }
    if (::fchmod(temporary.get(), existing.st_mode & 07777) != 0) return false;
  }
  if (!FillFile(temporary.get(), true, produce) || !temporary.Close()) return false;
  if (::rename(temporary_name.c_str(), target.c_str()) != 0) return false;
  guard.Release();
  SyncDirectory(target);
  return true;
}

}  // namespace chatmind
