// save_failure_test.cpp -- saves under failing writes, failing flushes, a full disk and kill -9 at random
// moments: the character file and the quick-save file always read back as the old or the new one.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "data/card_database.h"
#include "data/game_state.h"
#include "data/quick_save.h"
#include "data/save_file.h"
#include "match/board_file.h"
#include "platform/file_system.h"
#include "tests/data/data_test_support.h"

// Faults, injected under the game's own file code: this program's write and
// fsync stand in front of the C library's. Unarmed they pass straight through.
namespace {
long writeBudget = -1;  // bytes still written before writes fail with ENOSPC; -1 = no fault
bool fsyncFails = false;
}  // namespace

extern "C" ssize_t write(int fd, const void* data, size_t count) {
  if (writeBudget >= 0) {
    if (writeBudget == 0) {
      errno = ENOSPC;
      return -1;
    }
    if (count > static_cast<size_t>(writeBudget)) count = static_cast<size_t>(writeBudget);  // a short write
    writeBudget -= static_cast<long>(count);
  }
  return syscall(SYS_write, fd, data, count);
}

extern "C" int fsync(int fd) {
  if (fsyncFails) {
    errno = EIO;
    return -1;
  }
  return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace {

class SaveFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = FreshInstallDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_TRUE(WriteSmallCardSet(10));
    oldOne = Character(L"OLD ONE", 700);
    newOne = Character(L"NEW ONE", 65000);
    MatchSnapshotBlock.write = [this](ByteWriter& out) { WriteBoard(board, out); };
    MatchSnapshotBlock.read = [this](ByteReader& in) { return ReadBoard(board, in); };
    InClub = 0;
    ASSERT_TRUE(Save(oldOne));
    oldFile = ReadGameFile(CharacterSavePath(1));
    oldQuick = ReadGameFile(QuickSavePath);
    newFile = EncodeCharacterFile(newOne, DuelStats);
    CurrentPlayer = newOne;
    board.cells[5].card = LoadCard(7);
    std::vector<std::uint8_t> quick = {1};
    ByteWriter out(quick);
    out.U8(0);
    WriteBoard(board, out);
    newQuick = quick;
    board = Board{};
  }
  void TearDown() override {
    writeBudget = -1;
    fsyncFails = false;
    MatchSnapshotBlock = {};
    InClub = 1;
    CloseCardDatabase();
  }

  static PlayerRecord Character(const std::wstring& name, int credits) {
    PlayerRecord r;
    ResetPlayer(r);
    r.name = name;
    r.kind = KindLocal;
    r.slot = 1;
    r.credits = credits;
    for (int id = 1; id <= 12; ++id) AddCopy(r, id);
    for (int id = 1; id <= 12; id += 2) AddToDeck(r, id, false);
    return r;
  }
  // Saves the character and the quick save, as the game does on its way out.
  bool Save(const PlayerRecord& r) {
    CurrentPlayer = r;
    if (r.name == L"NEW ONE")
      board.cells[5].card = LoadCard(7);
    else
      board = Board{};
    bool a = SaveCharacter();
    bool b = QuickSave();
    return a && b;
  }
  // Both files hold either what was there before or the new save, whole.
  void ExpectOldOrNew(const char* what) {
    const std::vector<std::uint8_t> file = ReadGameFile(CharacterSavePath(1));
    EXPECT_TRUE(file == oldFile || file == newFile) << what << ": the character file is neither";
    const std::vector<std::uint8_t> quick = ReadGameFile(QuickSavePath);
    EXPECT_TRUE(quick == oldQuick || quick == newQuick) << what << ": the quick save is neither";
    EXPECT_TRUE(LoadCharacter(1)) << what;
  }

  std::string dir;
  Board board;
  PlayerRecord oldOne, newOne;
  std::vector<std::uint8_t> oldFile, newFile, oldQuick, newQuick;
};

TEST_F(SaveFailure, AWriteFailingAtAnyByteLeavesTheOldSaves) {
  for (long budget = 0; budget <= static_cast<long>(newFile.size()); budget += 7) {
    writeBudget = budget;
    const bool saved = Save(newOne);
    writeBudget = -1;
    EXPECT_FALSE(saved) << budget;
    EXPECT_EQ(ReadGameFile(CharacterSavePath(1)), oldFile) << budget;
    EXPECT_EQ(ReadGameFile(QuickSavePath), oldQuick) << budget;
    EXPECT_FALSE(platform::FileExists(CharacterSavePath(1) + ".tmp"));
  }
  // Short writes that all succeed in the end are no fault at all.
  writeBudget = 1 << 20;
  EXPECT_TRUE(Save(newOne));
  writeBudget = -1;
  EXPECT_EQ(ReadGameFile(CharacterSavePath(1)), newFile);
  EXPECT_EQ(ReadGameFile(QuickSavePath), newQuick);
}

TEST_F(SaveFailure, AFailingFlushLeavesTheOldSaves) {
  fsyncFails = true;
  EXPECT_FALSE(SaveCharacter());
  EXPECT_FALSE(QuickSave());
  fsyncFails = false;
  EXPECT_EQ(ReadGameFile(CharacterSavePath(1)), oldFile);
  EXPECT_EQ(ReadGameFile(QuickSavePath), oldQuick);
  EXPECT_TRUE(Save(newOne));
  EXPECT_EQ(ReadGameFile(CharacterSavePath(1)), newFile);
}

// A child process saves under a file-size limit smaller than the save.
TEST_F(SaveFailure, AFileSizeLimitBelowTheSaveLeavesTheOldSaves) {
  for (rlim_t limit :
       {rlim_t{0}, rlim_t{100}, static_cast<rlim_t>(newQuick.size() - 1), static_cast<rlim_t>(newFile.size() - 1)}) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      signal(SIGXFSZ, SIG_IGN);
      rlimit r{limit, limit};
      setrlimit(RLIMIT_FSIZE, &r);
      board.cells[5].card = LoadCard(7);
      const bool a = SaveCharacter();
      const bool b = QuickSave();
      _exit((a ? 1 : 0) | (b ? 2 : 0));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    const bool quickFits = limit >= newQuick.size();
    EXPECT_EQ(WEXITSTATUS(status), quickFits ? 2 : 0) << "what the saves reported under a limit of " << limit;
    EXPECT_EQ(ReadGameFile(CharacterSavePath(1)), oldFile) << limit;
    EXPECT_EQ(ReadGameFile(QuickSavePath), quickFits ? newQuick : oldQuick) << limit;
    ASSERT_TRUE(WriteGameFile(QuickSavePath, oldQuick));
  }
}

// A real full disk: a small memory file system filled up (where mounting is allowed).
TEST_F(SaveFailure, AFullDiskLeavesTheOldSaves) {
  const std::string mountPoint = dir + "/small";
  ASSERT_TRUE(platform::MakeDirectories(mountPoint));
  if (mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=16k") != 0) {
    GTEST_SKIP() << "no permission to mount a small file system here";
  }
  platform::SetInstallDir(mountPoint);
  ASSERT_TRUE(platform::MakeDirectories("SAVE"));
  ASSERT_TRUE(Save(oldOne));
  // Fill every page that is left.
  int fd = ::open((mountPoint + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
  ASSERT_GE(fd, 0);
  std::vector<char> block(512, 'x');
  while (::write(fd, block.data(), block.size()) > 0) {
  }
  ::close(fd);
  CurrentPlayer = newOne;
  EXPECT_FALSE(SaveCharacter());
  EXPECT_FALSE(QuickSave());
  EXPECT_EQ(ReadGameFile(CharacterSavePath(1)), oldFile);
  EXPECT_EQ(ReadGameFile(QuickSavePath), oldQuick);
  EXPECT_FALSE(platform::FileExists(std::string(CharacterSavePath(1)) + ".tmp"));
  // Room again: the next save goes through.
  ::unlink((mountPoint + "/filler").c_str());
  EXPECT_TRUE(Save(newOne));
  EXPECT_EQ(ReadGameFile(CharacterSavePath(1)), newFile);
  platform::SetInstallDir(dir);
  EXPECT_EQ(umount(mountPoint.c_str()), 0);
}

// kill -9 at random moments of a loop that saves the two characters in turn.
TEST_F(SaveFailure, AThousandKillsDuringSavesNeverLeaveAnInvalidOrMissingSave) {
  const char* env = std::getenv("DUSKHAVEN_KILL_TRIALS");
  const int trials = env ? std::atoi(env) : 1000;
  std::mt19937 pick(2026);
  int sawOld = 0, sawNew = 0, midWrite = 0;
  for (int trial = 0; trial < trials; ++trial) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (long i = 0;; ++i) Save(i % 2 ? oldOne : newOne);
    }
    timespec pause{0, static_cast<long>(pick() % 12000) * 1000};
    nanosleep(&pause, nullptr);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    const std::vector<std::uint8_t> file = ReadGameFile(CharacterSavePath(1));
    ASSERT_TRUE(file == oldFile || file == newFile) << "trial " << trial << ": the character file is neither";
    const std::vector<std::uint8_t> quick = ReadGameFile(QuickSavePath);
    ASSERT_TRUE(quick == oldQuick || quick == newQuick) << "trial " << trial << ": the quick save is neither";
    (file == oldFile ? sawOld : sawNew)++;
    // A temporary file left behind: the kill came between its creation and its rename.
    if (platform::FileExists(CharacterSavePath(1) + ".tmp") ||
        platform::FileExists(std::string(QuickSavePath) + ".tmp"))
      ++midWrite;
  }
  ExpectOldOrNew("after the trials");
  std::printf(
      "%d kills (%d in the middle of writing a file): the character file read back old %d times, new %d "
      "times, never invalid or missing\n",
      trials, midWrite, sawOld, sawNew);
  if (trials >= 100) {
    EXPECT_GT(sawNew, 0);
  }
}

}  // namespace
