// Saves onto real file systems that refuse them, a full one and a read-only
// one, and saves on a system without /proc: each in a child process with a
// mount namespace of its own (as root, or as root of a user namespace of its
// own), where a small tmpfs is mounted.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "chatmind/engine.hpp"
#include "support/test_support.h"

namespace chatmind {
namespace {

using test::FileNamesIn;
using test::MindFile;
using test::ReadBytes;
using test::TempDir;
using test::W;
using test::WriteBytes;

// The exit status of a child that could not set up its file system.
constexpr int kCannotMount = 77;
// Room for the old mind file, but not for the new content even in its place.
constexpr char kTmpfsOptions[] = "size=256k,mode=0755";
constexpr int kOldPairs = 4000;
constexpr int kMorePairs = 12000;

bool WriteProcFile(const char* path, const std::string& text) {
  const int fd = open(path, O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  close(fd);
  return written;
}

// Gives this process a mount namespace whose mounts reach no other process,
// inside a user namespace of its own unless it is root. Returns what
// failed, or an empty string.
std::string EnterPrivateMountNamespace() {
  const uid_t uid = geteuid();
  const gid_t gid = getegid();
  if (uid == 0) {
    if (unshare(CLONE_NEWNS) != 0) return std::string("unshare: ") + std::strerror(errno);
  } else {
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
      return std::string("unshare: ") + std::strerror(errno);
    }
    if (!WriteProcFile("/proc/self/setgroups", "deny") ||
        !WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
      return "cannot map the user";
    }
  }
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    return std::string("private mounts: ") + std::strerror(errno);
  }
  return {};
}

std::string Pairs(const std::string& key, const std::string& reply, int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    bytes += key + std::to_string(i) + ".\r\n" + reply + std::to_string(i) + ".\r\n";
  }
  return bytes;
}

std::vector<std::string> SortedLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::istringstream stream(bytes);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

struct FailingFileSystem {
  const char* name;
  bool read_only;  // else too small for the new content

  friend std::ostream& operator<<(std::ostream& out, const FailingFileSystem& file_system) {
    return out << file_system.name;
  }
};

// Runs code in a child process that has a mount namespace of its own, where
// it may mount file systems that nobody else sees.
class MountNamespaceTest : public ::testing::Test {
 protected:
  // Runs `body` in the child; its failures are the test's. Returns why the
  // child could not set up what it needed, or an empty string.
  std::string RunInMountNamespace(const std::function<void()>& body) {
    int pipe_ends[2];
    EXPECT_EQ(pipe(pipe_ends), 0);
    const pid_t child = fork();
    if (child == 0) {
      close(pipe_ends[0]);
      reasons_ = pipe_ends[1];
      const std::string failed = EnterPrivateMountNamespace();
      if (!failed.empty()) Refuse(failed);
      body();
      _exit(HasFailure() ? 1 : 0);
    }
    close(pipe_ends[1]);
    std::string reason;
    char chunk[256];
    for (ssize_t got; (got = read(pipe_ends[0], chunk, sizeof chunk)) > 0;) {
      reason.append(chunk, static_cast<std::size_t>(got));
    }
    close(pipe_ends[0]);
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "status " << status;
    if (WIFEXITED(status) && WEXITSTATUS(status) == kCannotMount) return reason;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the child's failures are reported above";
    return {};
  }

  // Ends the child, which cannot set up what it needs.
  [[noreturn]] void Refuse(const std::string& reason) {
    if (write(reasons_, reason.data(), reason.size()) < 0) _exit(kCannotMount);
    _exit(kCannotMount);
  }

  TempDir dir_;

 private:
  int reasons_ = -1;
};

class SaveFailureTest : public MountNamespaceTest,
                        public ::testing::WithParamInterface<FailingFileSystem> {
 protected:
  // Runs in the child: an engine loads a mind file from elsewhere and one
  // from the failing file system, learns a pair, and cannot save there.
  void SaveOntoFailingFileSystem() {
    const std::string mount_point = dir_.Path("fs");
    const std::string path = mount_point + "/old.mind";
    if (mount("tmpfs", mount_point.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, kTmpfsOptions) != 0) {
      Refuse(std::string("tmpfs: ") + std::strerror(errno));
    }
    const std::string more = dir_.Path("more.mind");
    const std::string more_content = Pairs("More ", "Answer ", kMorePairs);
    WriteBytes(more, more_content);
    const std::string old_content =
        Pairs("Phrase ", "Reply ", kOldPairs) + MindFile({" <ESCAPE>", "Давай о другом."});
    WriteBytes(path, old_content);
    ASSERT_TRUE(ReadBytes(path) == old_content) << "the old file must fit";
    if (GetParam().read_only &&
        mount(nullptr, mount_point.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
      Refuse(std::string("read-only remount: ") + std::strerror(errno));
    }

    Engine engine(dir_.Path("chatmind.INI"));
    ASSERT_TRUE(engine.LoadMind(more));
    ASSERT_TRUE(engine.LoadMind(path));
    ASSERT_EQ(engine.GetReplyTo(W("Привет")), W("Давай о другом."));
    engine.GetReplyTo(W("О чём?"));
    EXPECT_FALSE(engine.SaveMind(path));
    EXPECT_TRUE(ReadBytes(path) == old_content) << "the old file is kept";
    EXPECT_EQ(FileNamesIn(mount_point), std::vector<std::string>{"old.mind"});

    EXPECT_EQ(engine.GetReplyTo(W("Давай о другом.")), W("О чём?")) << "the learned pair";
    const std::string elsewhere = dir_.Path("elsewhere.mind");
    ASSERT_TRUE(engine.SaveMind(elsewhere));
    const std::vector<std::string> saved = SortedLines(ReadBytes(elsewhere));
    const std::vector<std::string> expected =
        SortedLines(more_content + old_content + MindFile({"Давай о другом.", "О чём?"}));
    EXPECT_TRUE(std::includes(saved.begin(), saved.end(), expected.begin(), expected.end()))
        << "everything loaded and learned is saved";
  }
};

TEST_P(SaveFailureTest, SaveFailsAndKeepsTheFileAndTheKnowledge) {
  std::filesystem::create_directory(dir_.Path("fs"));
  const std::string refused = RunInMountNamespace([this] { SaveOntoFailingFileSystem(); });
  if (!refused.empty()) GTEST_SKIP() << "no file system of our own: " << refused;
}

INSTANTIATE_TEST_SUITE_P(FileSystems, SaveFailureTest,
                         ::testing::Values(FailingFileSystem{"FullDisk", false},
                                           FailingFileSystem{"ReadOnly", true}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

// Some systems have no /proc, where the unnamed temporary file is named by
// other means.
TEST_F(MountNamespaceTest, SavesWithoutProc) {
  const std::string refused = RunInMountNamespace([this] {
    if (mount("tmpfs", "/proc", "tmpfs", MS_NOSUID | MS_NODEV, "size=4k") != 0) {
      Refuse(std::string("tmpfs on /proc: ") + std::strerror(errno));
    }
    ASSERT_FALSE(std::filesystem::exists("/proc/self"));
    const std::string path = dir_.Path("talk.mind");
    WriteBytes(path, MindFile({"Привет!", "Здравствуй!"}));
    Engine engine(dir_.Path("chatmind.INI"));
    ASSERT_TRUE(engine.LoadMind(path));
    EXPECT_TRUE(engine.SaveMind(path));
    EXPECT_EQ(ReadBytes(path), MindFile({"Привет!", "Здравствуй!"}));
    EXPECT_EQ(FileNamesIn(dir_.Path("")), std::vector<std::string>{"talk.mind"});
  });
  if (!refused.empty()) GTEST_SKIP() << "no file system of our own: " << refused;
}

}  // namespace
}  // namespace chatmind
