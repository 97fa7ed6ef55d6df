#ifndef CHATMIND_MIND_TEMPORARY_FILE_GUARD_H_
#define CHATMIND_MIND_TEMPORARY_FILE_GUARD_H_

#include <cstdio>
#include <string>
#include <utility>

namespace chatmind {

// Removes a temporary file unless it has been moved into place.
class TemporaryFileGuard {
 public:
  explicit TemporaryFileGuard(std::string path) : path_(std::move(path)) {}
  TemporaryFileGuard(const TemporaryFileGuard&) = delete;
  TemporaryFileGuard& operator=(const TemporaryFileGuard&) = delete;
  ~TemporaryFileGuard() {
    if (!path_.empty()) std::remove(path_.c_str());
  }

  void Release() { path_.clear(); }

 private:
  std::string path_;
};

}  // namespace chatmind

#endif  // CHATMIND_MIND_TEMPORARY_FILE_GUARD_H_
