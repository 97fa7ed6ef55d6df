#include "mind/mind_writer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "mind/mind_reader.h"
#include "support/test_support.h"
#include "text/index_entry.h"

namespace chatmind {
namespace {

using test::MindFile;
using test::ReadBytes;
using test::StringSink;
using test::TempDir;
using test::W;
using test::WriteBytes;

std::string Records(const Mind& mind) {
  StringSink sink;
  EXPECT_TRUE(WriteMindRecords(mind, sink));
  return sink.bytes();
}

std::size_t FilesIn(const TempDir& dir) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path(""))) {
    ++count;
  }
  return count;
}

TEST(ReorderForSaveTest, Table) {
  const struct {
    TextList source;
    TextList target;
  } cases[] = {
      {{}, {}},
      {{"A"}, {"A"}},
      {{"A", "B"}, {"B", "A"}},
      {{"A", "B", "C"}, {"B", "C", "A"}},
      {{"A", "B", "C", "D"}, {"D", "B", "C", "A"}},
      {{"A", "B", "C", "D", "E"}, {"D", "B", "E", "C", "A"}},
  };
  for (const auto& c : cases) {
    for (TextList Mind::*list : kFileBackedLists) {
      Mind mind;
      mind.*list = c.source;
      ReorderForSave(mind);
      EXPECT_EQ(mind.*list, c.target);
    }
    for (std::size_t i = 0; i < c.source.size(); ++i) {
      EXPECT_EQ(SavedOrderSource(SavedOrderTarget(i, c.source.size()), c.source.size()), i);
    }
  }
}

TEST(ReorderForSaveTest, CyclesThroughOrders) {
  Mind mind;
  mind.InitialPhrases = {"A", "B", "C"};
  ReorderForSave(mind);
  EXPECT_EQ(mind.InitialPhrases, (TextList{"B", "C", "A"}));
  ReorderForSave(mind);
  EXPECT_EQ(mind.InitialPhrases, (TextList{"C", "A", "B"}));
}

TEST(ReorderForSaveTest, IndexEntriesFollowTheirPairs) {
  Mind mind;
  AppendMindContent(mind, "a. b.\nx\nc 1.\ny\nd!\nz\ne?\nw\n");
  ReorderForSave(mind);
  ASSERT_EQ(mind.PhraseKeys, (TextList{"e?", "c 1.", "d!", "a. b."}));
  EXPECT_EQ(test::EntryTexts(mind), (StringList{"b 3.", "a 3.", "c 1 1.", "d 2!", "e 0?"}));
}

TEST(WriteMindRecordsTest, SectionOrderAndTagPerElement) {
  Mind mind;
  mind.PhraseKeys = {"b", "c"};
  mind.PhraseReplies = {"2", "3"};
  mind.BracketKeys = {""};
  mind.BracketReplies = {"k"};
  mind.BarKeys = {""};
  mind.BarReplies = {"j"};
  mind.BraceKeys = {""};
  mind.BraceReplies = {"i"};
  mind.ParenKeys = {""};
  mind.ParenReplies = {"h"};
  mind.InitialPhrases = {"g"};
  mind.EscapePhrases = {"f"};
  mind.IgnoredWords = {"e"};
  mind.QuestionWords = {W("что"), W("как")};
  EXPECT_EQ(Records(mind), MindFile({"b",           "2",   "c",           "3",   " ()",        "h",
                                     " ||",         "j",   " {}",         "i",   " []",        "k",
                                     " <QUESTION>", "что", " <QUESTION>", "как", " <IGNORED>", "e",
                                     " <ESCAPE>",   "f",   " <INITIAL>",  "g"}));
}

TEST(WriteMindRecordsTest, ExactBytes) {
  Mind mind;
  mind.PhraseKeys = {W("Привет!")};
  mind.PhraseReplies = {W("Здравствуй!")};
  mind.QuestionWords = {W("как")};
  EXPECT_EQ(Records(mind),
            "\xCF\xF0\xE8\xE2\xE5\xF2\x21\x0D\x0A\xC7\xE4\xF0\xE0\xE2\xF1\xF2\xE2\xF3\xE9\x21\x0D"
            "\x0A\x20\x3C\x51\x55\x45\x53\x54\x49\x4F\x4E\x3E\x0D\x0A\xEA\xE0\xEA\x0D\x0A");
}

TEST(WriteMindRecordsTest, BytesTheFormatCannotCarryBecomeSpaces) {
  Mind mind;
  mind.PhraseKeys = {
      "a\nb\x1a"
      "c."};
  mind.PhraseReplies = {"lone\rCR"};
  EXPECT_EQ(Records(mind), "a b c.\r\nlone\rCR\r\n");
}

class SaveMindFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return dir_.Path("out.mind"); }
  TempDir dir_;
};

TEST_F(SaveMindFileTest, WorkedExampleWritesFourteenLinesAndUnloads) {
  Mind mind;
  AppendMindContent(
      mind, MindFile({"Привет!", "Здравствуй!", "Как дела? Что нового?", "Всё хорошо.", " (погода)",
                      "Погода сегодня хорошая.", " {как}", "Не знаю как.", " <QUESTION>", "как",
                      " <THOUGHT>", "Это забудется.", "", "Пока!", " <ESCAPE>", "Давай о другом.",
                      " <INITIAL>", "Расскажи о себе.", "Кто ты?"}));
  mind.ReplyHistory = {"r"};
  mind.LastReply = "r";
  ASSERT_TRUE(SaveMindFile(mind, Path()));
  EXPECT_EQ(ReadBytes(Path()),
            MindFile({"Как дела? Что нового?", "Всё хорошо.", "Привет!", "Здравствуй!", " (погода)",
                      "Погода сегодня хорошая.", " {как}", "Не знаю как.", " <QUESTION>", "как",
                      " <ESCAPE>", "Давай о другом.", " <INITIAL>", "Расскажи о себе."}));
  for (TextList Mind::*list : kFileBackedLists) EXPECT_TRUE((mind.*list).empty());
  EXPECT_TRUE(mind.SentenceIndex.empty());
  EXPECT_EQ(test::Replies(mind.ReplyHistory), StringList{"r"});
  EXPECT_EQ(mind.LastReply, "r");
}

TEST_F(SaveMindFileTest, PairsAreWrittenInSavedOrder) {
  Mind mind;
  mind.PhraseKeys = {"a", "b", "c"};
  mind.PhraseReplies = {"1", "2", "3"};
  mind.QuestionWords = {W("как"), W("что")};
  ASSERT_TRUE(SaveMindFile(mind, Path()));
  EXPECT_EQ(ReadBytes(Path()),
            MindFile({"b", "2", "c", "3", "a", "1", " <QUESTION>", "что", " <QUESTION>", "как"}));
}

TEST_F(SaveMindFileTest, EmptyMindEmptiesTheFile) {
  WriteBytes(Path(), "old\r\ncontent\r\n");
  Mind mind;
  ASSERT_TRUE(SaveMindFile(mind, Path()));
  EXPECT_EQ(ReadBytes(Path()), "");
  ASSERT_TRUE(SaveMindFile(mind, Path())) << "a second save right after the first";
  EXPECT_EQ(ReadBytes(Path()), "");
}

TEST_F(SaveMindFileTest, SaveThenLoadGivesBackTheWrittenOrder) {
  Mind mind;
  AppendMindContent(mind, "k1.\nv1\nk2.\nv2\n ()\np\n ||\nb\n {}\nc\n []\nd\n");
  mind.PhraseKeys.push_back(" (learned)");
  mind.PhraseReplies.push_back("lone\rCR");
  ASSERT_TRUE(SaveMindFile(mind, Path()));
  Mind loaded;
  ASSERT_TRUE(LoadMindFile(loaded, Path()));
  EXPECT_EQ(loaded.PhraseKeys, (TextList{"k2.", "k1."}));
  EXPECT_EQ(loaded.ParenKeys, (TextList{"learned", ""}))
      << "a bracket-shaped key reads back as a rule";
  EXPECT_EQ(loaded.ParenReplies, (TextList{"lone\rCR", "p"}));
  EXPECT_EQ(loaded.BarKeys, TextList{""});
  EXPECT_EQ(loaded.BraceKeys, TextList{""});
  EXPECT_EQ(loaded.BracketKeys, TextList{""});
}

TEST_F(SaveMindFileTest, EmptyPathChangesNothing) {
  Mind mind;
  mind.EscapePhrases = {"A", "B"};
  EXPECT_FALSE(SaveMindFile(mind, ""));
  EXPECT_EQ(mind.EscapePhrases, (TextList{"A", "B"}));
}

TEST_F(SaveMindFileTest, MissingDirectoryKeepsReorderedLists) {
  Mind mind;
  AppendMindContent(mind, "a.\n1\nb.\n2\nc.\n3\n");
  const std::string path = dir_.Path("missing/out.mind");
  ASSERT_FALSE(SaveMindFile(mind, path));
  EXPECT_EQ(mind.PhraseKeys, (TextList{"b.", "c.", "a."}));
  EXPECT_EQ(mind.PhraseReplies, (TextList{"2", "3", "1"}));
  EXPECT_EQ(test::EntryTexts(mind), (StringList{"a 2.", "b 0.", "c 1."}));
  ASSERT_FALSE(SaveMindFile(mind, path));
  EXPECT_EQ(mind.PhraseKeys, (TextList{"c.", "a.", "b."}));
  EXPECT_EQ(FilesIn(dir_), 0u);
}

TEST_F(SaveMindFileTest, FullDeviceFailsAndStaysADevice) {
  Mind mind;
  mind.EscapePhrases = {"e"};
  ASSERT_FALSE(SaveMindFile(mind, "/dev/full"));
  EXPECT_EQ(mind.EscapePhrases, TextList{"e"});
  struct stat status;
  ASSERT_EQ(stat("/dev/full", &status), 0);
  EXPECT_TRUE(S_ISCHR(status.st_mode));
}

// A file size limit makes writes past it fail as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previous_handler_ = signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    signal(SIGXFSZ, previous_handler_);
  }

 private:
  rlimit previous_;
  sighandler_t previous_handler_;
};

TEST_F(SaveMindFileTest, FullDiskKeepsOldFileAndKnowledge) {
  const std::string old_content = MindFile({"old.", "file"});
  WriteBytes(Path(), old_content);
  Mind mind;
  for (int i = 0; i < 20000; ++i) {
    mind.PhraseKeys.push_back("key " + std::to_string(i) + ".");
    mind.PhraseReplies.push_back("reply");
  }
  {
    FileSizeLimit limit(100000);
    EXPECT_FALSE(SaveMindFile(mind, Path()));
  }
  EXPECT_EQ(ReadBytes(Path()), old_content);
  EXPECT_EQ(mind.PhraseKeys.size(), 20000u);
  EXPECT_EQ(FilesIn(dir_), 1u) << "no temporary file is left";
  EXPECT_TRUE(SaveMindFile(mind, Path())) << "the knowledge can be saved once there is room";
}

// Runs `save` in a child process that may not create files in `dir` (root
// may create files anywhere, so a root child becomes nobody) and returns
// what it returned.
bool SaveWithoutDirectoryWrite(const TempDir& dir, const std::function<bool()>& save) {
  EXPECT_EQ(chmod(dir.Path("").c_str(), 0555), 0);
  const pid_t child = fork();
  if (child == 0) {
    const uid_t nobody = 65534;
    if (geteuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0)) _exit(2);
    _exit(save() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(chmod(dir.Path("").c_str(), 0755), 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "child could not drop privileges";
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(SaveMindFileTest, WritableFileInReadOnlyDirectoryIsWrittenInPlace) {
  WriteBytes(Path(), "old content that is longer than the new one\r\n");
  ASSERT_EQ(chmod(Path().c_str(), 0666), 0);
  struct stat before;
  ASSERT_EQ(stat(Path().c_str(), &before), 0);
  const bool saved = SaveWithoutDirectoryWrite(dir_, [this] {
    Mind mind;
    mind.EscapePhrases = {"e"};
    return SaveMindFile(mind, Path());
  });
  EXPECT_TRUE(saved);
  EXPECT_EQ(ReadBytes(Path()), MindFile({" <ESCAPE>", "e"}));
  struct stat after;
  ASSERT_EQ(stat(Path().c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "the same file, written in place";
  EXPECT_EQ(FilesIn(dir_), 1u);
}

TEST_F(SaveMindFileTest, NewFileInReadOnlyDirectoryFails) {
  EXPECT_FALSE(SaveWithoutDirectoryWrite(dir_, [this] {
    Mind mind;
    return SaveMindFile(mind, Path());
  }));
  EXPECT_EQ(FilesIn(dir_), 0u);
}

TEST_F(SaveMindFileTest, KeepsPermissionBits) {
  WriteBytes(Path(), "old");
  ASSERT_EQ(chmod(Path().c_str(), 0640), 0);
  Mind mind;
  ASSERT_TRUE(SaveMindFile(mind, Path()));
  struct stat status;
  ASSERT_EQ(stat(Path().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(SaveMindFileTest, ReplacesTheFileALinkPointsTo) {
  const std::string target = dir_.Path("real.mind");
  WriteBytes(target, "old");
  std::filesystem::create_symlink("real.mind", Path());
  Mind mind;
  mind.EscapePhrases = {"e"};
  ASSERT_TRUE(SaveMindFile(mind, Path()));
  EXPECT_TRUE(std::filesystem::is_symlink(Path()));
  EXPECT_EQ(ReadBytes(target), MindFile({" <ESCAPE>", "e"}));
}

// A save that was killed leaves its temporary file behind; the next save of
// the same target removes it, unless a save still running holds it (as the
// lock taken here shows), and leaves every other file alone.
TEST_F(SaveMindFileTest, RemovesOnlyTheTargetsTemporariesThatNobodyHolds) {
  const struct {
    const char* name;
    bool held;
    bool removed;
  } files[] = {
      {".out.mind.tmp-1", false, true},
      {".out.mind.tmp-4294967295", false, true},
      {".out.mind.tmp-77", true, false},
      {".other.mind.tmp-1", false, false},
      {".out.mind.tmp-", false, false},
      {".out.mind.tmp-12a", false, false},
      {".out.mind.tmp-1.bak", false, false},
      {"out.mind.tmp-1", false, false},
      {".out.mind.tmp-1x.mind.tmp-1", false, false},
  };
  std::vector<int> holders;
  for (const auto& file : files) {
    WriteBytes(dir_.Path(file.name), "partial");
    if (!file.held) continue;
    holders.push_back(open(dir_.Path(file.name).c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_EQ(flock(holders.back(), LOCK_EX), 0);
  }
  Mind mind;
  mind.EscapePhrases = {"e"};
  ASSERT_TRUE(SaveMindFile(mind, Path()));
  EXPECT_EQ(ReadBytes(Path()), MindFile({" <ESCAPE>", "e"}));
  for (const auto& file : files) {
    EXPECT_EQ(std::filesystem::exists(dir_.Path(file.name)), !file.removed) << file.name;
  }
  for (int fd : holders) close(fd);
}

// Former bugs: a save used to leave index entries on the positions their
// pairs had before the reorder, so that after a reload of the same file old
// entries answered with the replies of unrelated pairs.

TEST_F(SaveMindFileTest, AfterSaveAndReloadEveryEntryPointsAtItsOwnPair) {
  Mind mind;
  AppendMindContent(mind, MindFile({"Привет! Как дела?", "1", "Кто ты?", "2", "Ок.", "3"}));
  ASSERT_TRUE(SaveMindFile(mind, Path()));
  EXPECT_TRUE(mind.SentenceIndex.empty());
  ASSERT_TRUE(LoadMindFile(mind, Path()));
  EXPECT_EQ(mind.PhraseKeys, (TextList{W("Кто ты?"), W("Ок."), W("Привет! Как дела?")}));
  EXPECT_EQ(test::EntryTexts(mind),
            (StringList{W("Кто ты 0?"), W("Ок 1."), W("Как дела 2?"), W("Привет 2!")}));
}

TEST_F(SaveMindFileTest, FailedSaveKeepsEveryEntryOnItsOwnPair) {
  Mind mind;
  AppendMindContent(mind, MindFile({"Раз. Два.", "1", "Три!", "2", "Четыре?", "3", "Пять.", "4"}));
  for (int save = 0; save < 3; ++save) {
    ASSERT_FALSE(SaveMindFile(mind, dir_.Path("missing/out.mind")));
    for (const IndexEntry& entry : mind.SentenceIndex) {
      ASSERT_LT(entry.position, mind.PhraseKeys.size());
      EXPECT_NE(mind.PhraseKeys[entry.position].find(entry.sentence), std::string::npos)
          << "save " << save << ": " << entry.sentence;
    }
  }
}

}  // namespace
}  // namespace chatmind
