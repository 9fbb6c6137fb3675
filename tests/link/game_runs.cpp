// game_runs.cpp -- the game as a child process with its own install, configuration and log.
#include "tests/link/game_runs.h"

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>

#include "data/duel_stats.h"
#include "data/player_record.h"
#include "data/save_file.h"

namespace link_test {
namespace fs = std::filesystem;

::testing::AssertionResult DataAvailable() {
  const fs::path data = fs::path(DUSKHAVEN_LINK_TEST_DATA) / "DATA";
  if (fs::exists(data)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no forged data set at " << data;
}

GameSide MakeSide(const std::string& name, const std::string& character, std::uint16_t port, int firstCard) {
  GameSide side;
  const fs::path base = fs::temp_directory_path() / ("duskhaven-link-" + std::to_string(::getpid())) / name;
  fs::remove_all(base);
  test_support::LinkedInstall((base / "install").string(), DUSKHAVEN_LINK_TEST_DATA);
  fs::create_directories(base / "config");
  side.root = (base / "install").string();
  side.config = (base / "config").string();
  side.log = (base / "stderr.txt").string();
  std::ofstream settings(side.config + "/settings.reg");
  settings << "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" << side.root << "\"\nVolume = dword:00000000\n"
           << "Character = dword:00000001\nLink_Port = dword:" << std::hex << std::setw(8) << std::setfill('0') << port
           << "\n";
  PlayerRecord record;
  ResetPlayer(record);
  record.name.assign(character.begin(), character.end());
  record.slot = 1;
  record.kind = KindLocal;
  for (int k = 0; k < DeckSize; ++k) {
    AddCopy(record, firstCard + k);
    record.deck.slots[k].id = static_cast<std::int16_t>(firstCard + k);
  }
  record.deck.count = DeckSize;
  const auto bytes = EncodeCharacterFile(record, DuelStatistics{});
  std::ofstream save(side.root + "/SAVE/Player1.QXP", std::ios::binary);
  save.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return side;
}

pid_t StartGame(const GameSide& side, const std::string& arguments, const std::string& script) {
  std::string command = std::string("exec '") + DUSKHAVEN_LINK_GAME + "' --headless --config '" + side.config + "' ";
  if (!script.empty()) {
    const std::string path = side.config + "/script.txt";
    std::ofstream(path) << script;
    command += "--script '" + path + "' ";
  }
  command += arguments + " 2> '" + side.log + "' > /dev/null";
  return test_support::StartShell(command);
}

int WaitGame(pid_t pid, int ms) {
  const int status = test_support::WaitWithin(pid, ms);
  if (status < 0) return status;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace link_test
