// Saves killed at random moments, by real processes: the mind file must hold
// its complete old or its complete new content after every kill, and no
// temporary file may be left for the next save to trip over.
//
// CHATMIND_SAVE_CRASH_ROUNDS sets the number of kills, for long runs by hand.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "chatmind/engine.hpp"
#include "mind/mind_file.h"
#include "support/test_support.h"

#ifndef CHATMIND_SAVE_CRASH_ROUNDS
#define CHATMIND_SAVE_CRASH_ROUNDS 300
#endif
#ifndef CHATMIND_SAVE_CRASH_PAIRS
#define CHATMIND_SAVE_CRASH_PAIRS 40000
#endif

namespace chatmind {
namespace {

using test::TempDir;
using test::WriteBytes;
using Clock = std::chrono::steady_clock;

constexpr char kMindName[] = "large.mind";
// About 100 bytes a pair: some MB, so that a save takes tens of milliseconds.
constexpr int kPairs = CHATMIND_SAVE_CRASH_PAIRS;

int Rounds() {
  const char* value = std::getenv("CHATMIND_SAVE_CRASH_ROUNDS");
  return value != nullptr && std::atoi(value) > 0 ? std::atoi(value) : CHATMIND_SAVE_CRASH_ROUNDS;
}

std::string LargeMind(char variant) {
  std::string bytes;
  for (int i = 0; i < kPairs; ++i) {
    const std::string n = std::to_string(i);
    bytes += "Phrase " + n + " of mind " + variant + " with a few more words.\r\n";
    bytes += "Reply " + n + " of mind " + variant + ", long enough to fill the file.\r\n";
  }
  return bytes;
}

struct SaveOutcome {
  bool killed = false;   // the kill came before the save ended
  bool saved = false;    // the save ended and reported success
  Clock::duration took;  // from the start of the save to its end, when not killed
};

// Saves `engine`, in a child process, to `path`; the child has its own copy
// of the engine, so `engine` itself is never saved and each child writes the
// same bytes. With `kill_after`, the child is killed that long after it
// starts the save.
SaveOutcome SaveInChild(Engine& engine, const std::string& path,
                        const Clock::duration* kill_after) {
  int pipe_ends[2];
  EXPECT_EQ(pipe(pipe_ends), 0);
  const pid_t child = fork();
  if (child == 0) {
    close(pipe_ends[0]);
    const char start = 's';
    if (write(pipe_ends[1], &start, 1) != 1) _exit(2);
    const bool saved = engine.SaveMind(path);
    const char end = 'e';
    if (write(pipe_ends[1], &end, 1) != 1) _exit(2);
    _exit(saved ? 0 : 1);
  }
  close(pipe_ends[1]);
  char signal = 0;
  EXPECT_EQ(read(pipe_ends[0], &signal, 1), 1);
  const Clock::time_point started = Clock::now();
  SaveOutcome outcome;
  if (kill_after != nullptr) {
    std::this_thread::sleep_for(*kill_after);
    kill(child, SIGKILL);
  } else {
    EXPECT_EQ(read(pipe_ends[0], &signal, 1), 1);
    outcome.took = Clock::now() - started;
  }
  close(pipe_ends[0]);
  int status = 0;
  EXPECT_EQ(waitpid(child, &status, 0), child);
  outcome.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  outcome.saved = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  EXPECT_TRUE(outcome.killed || outcome.saved) << "the save failed, status " << status;
  return outcome;
}

std::string Contents(const std::string& path) {
  std::string contents;
  EXPECT_TRUE(ReadFileContents(path, contents)) << path;
  return contents;
}

std::vector<std::string> FilesBeside(const TempDir& dir, const std::string& name) {
  std::vector<std::string> others = test::FileNamesIn(dir.Root());
  std::erase(others, name);
  return others;
}

// Whether a save in `directory` can write to a file without a name, which a
// kill leaves nothing of unless it comes between naming and renaming it.
bool HasUnnamedFiles(const std::string& directory) {
  const int fd = open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  close(fd);
  return true;
}

TEST(SaveCrashTest, KilledSavesLeaveOldOrNewContentAndNoTemporary) {
  TempDir dir;
  const std::string path = dir.Path(kMindName);
  // Two engines with different minds; every round saves the one whose
  // content the file does not hold, so that old and new always differ.
  Engine engines[2] = {Engine(dir.Path("chatmind.INI")), Engine(dir.Path("chatmind.INI"))};
  std::string saved[2];
  Clock::duration window{};
  for (int e = 0; e < 2; ++e) {
    const std::string source = dir.Path("source.mind");
    WriteBytes(source, LargeMind(static_cast<char>('A' + e)));
    ASSERT_TRUE(engines[e].LoadMind(source));
    std::filesystem::remove(source);
    const SaveOutcome outcome = SaveInChild(engines[e], path, nullptr);
    ASSERT_TRUE(outcome.saved);
    saved[e] = Contents(path);
    window = std::max(window, outcome.took);
  }
  ASSERT_TRUE(saved[0] != saved[1]);
  int on_disk = 1;

  std::mt19937 random(20240611);
  std::uniform_int_distribution<Clock::rep> moment(0, window.count());
  int before_rename = 0;
  int after_rename = 0;
  int left_for_next_save = 0;
  const int rounds = Rounds();
  for (int round = 0; round < rounds; ++round) {
    const int next = 1 - on_disk;
    const Clock::duration kill_after(moment(random));
    SaveInChild(engines[next], path, &kill_after);
    const std::string content = Contents(path);
    if (content == saved[on_disk]) {
      ++before_rename;
    } else if (content == saved[next]) {
      ++after_rename;
      on_disk = next;
    } else {
      FAIL() << "round " << round << ", killed after "
             << std::chrono::duration<double, std::milli>(kill_after).count()
             << " ms: " << content.size() << " bytes that are neither the old nor the new content";
    }
    // Where files without a name can be made, only a kill between naming the
    // temporary and renaming it, a few system calls apart, leaves one behind;
    // elsewhere any kill during the save does. The next save must remove it.
    if (!FilesBeside(dir, kMindName).empty()) {
      ++left_for_next_save;
      const SaveOutcome outcome = SaveInChild(engines[next], path, nullptr);
      ASSERT_TRUE(outcome.saved) << "round " << round;
      EXPECT_TRUE(Contents(path) == saved[next]) << "round " << round;
      on_disk = next;
      ASSERT_EQ(FilesBeside(dir, kMindName), std::vector<std::string>()) << "round " << round;
    }
  }
  std::cout << rounds << " kills within a save window of "
            << std::chrono::duration<double, std::milli>(window).count() << " ms: " << before_rename
            << " before the rename, " << after_rename << " after it; " << left_for_next_save
            << " left a temporary file for the next save\n";
  EXPECT_GT(before_rename, 0) << "no kill landed inside a save";
  if (HasUnnamedFiles(dir.Path(""))) {
    EXPECT_LE(left_for_next_save * 4, before_rename) << "kills before the rename leave a file";
  }
}

}  // namespace
}  // namespace chatmind
