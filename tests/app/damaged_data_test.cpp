// damaged_data_test.cpp -- the game started on a data set with one file missing, empty, cut short or garbage.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/app/run_game.h"

namespace {

namespace fs = std::filesystem;

enum class Damage { Missing, Empty, Truncated, Garbage };
const char* const DamageNames[] = {"missing", "empty", "truncated", "garbage"};

// The forged set seen through links, with `file` replaced by its damaged form.
std::string DamagedInstall(const std::string& name, const std::string& file, Damage damage) {
  const fs::path from = testing_app::ForgedInstall();
  const fs::path to = testing_app::Scratch(name) + "/install";
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(from)) {
    const fs::path target = to / fs::relative(e.path(), from);
    if (e.is_directory())
      fs::create_directories(target);
    else if (fs::relative(e.path(), from) != fs::path(file))
      fs::create_symlink(e.path(), target);
  }
  std::ifstream in(from / file, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  switch (damage) {
    case Damage::Missing:
      return to.string();
    case Damage::Empty:
      bytes.clear();
      break;
    case Damage::Truncated:
      bytes.resize(bytes.size() / 2);
      break;
    case Damage::Garbage:
      for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 37 + 11) & 0xFF);
      break;
  }
  std::ofstream(to / file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return to.string();
}

testing_app::RunResult StartOn(const std::string& name, const std::string& install) {
  const std::string config = testing_app::ConfigWithInstall(name + "-config", install);
  std::ofstream(config + "/script.txt") << "at 1000 tap 120 150\nat 1700 tap 120 150\nat 2400 tap 120 150\n"
                                           "at 3100 tap 120 150\nat 6000 close\n";
  return testing_app::RunGame("--headless --config . --script script.txt", config);
}

TEST(DamagedData, ADamagedCardFileEndsTheStartWithTheDataFilesMessage) {
  ASSERT_TRUE(testing_app::DataSetComplete());
  for (const char* file : {"DATA/CARDS/SET 1/CARDS.IND", "DATA/CARDS/SET 1/CARDS.DAT", "DATA/CARDS/SET 1/CARDS.INF"})
    for (Damage d : {Damage::Missing, Damage::Empty, Damage::Truncated, Damage::Garbage}) {
      const std::string what = std::string(file) + " " + DamageNames[static_cast<int>(d)];
      const std::string name =
          "card-" + fs::path(file).extension().string().substr(1) + "-" + DamageNames[static_cast<int>(d)];
      auto r = StartOn(name, DamagedInstall(name, file, d));
      EXPECT_EQ(r.exitCode, 1) << what << "\n" << r.output;
      EXPECT_EQ(r.output.rfind("Duskhaven:  Error :  Data files are missing !\nduskhaven: ", 0), 0u) << what << "\n"
                                                                                                     << r.output;
      // The second line names the file that is wrong.
      EXPECT_NE(r.output.find(fs::path(file).filename().string()), std::string::npos) << what << "\n" << r.output;
    }
}

TEST(DamagedData, DamagedPicturesAndOpponentsNeverStopTheGame) {
  ASSERT_TRUE(testing_app::DataSetComplete());
  // Pictures give their "Not found." box (before the font: on the terminal) and
  // the game goes on; a damaged roster leaves nameless opponents.
  struct Case {
    const char* file;
    bool namedOnTerminal;
  };
  const Case cases[] = {{"GFX/GENERAL/VANTORTEAM.QXG", true},
                        {"GFX/LOADING/EnterGAME.QXJ", true},
                        {"GFX/GENERAL/NEW FONT.QXB", true},
                        {"GFX/GENERAL/BoardUI.QXG", false},
                        {"DATA/OPPONENTS.DAT", false}};
  for (const Case& c : cases)
    for (Damage d : {Damage::Missing, Damage::Empty, Damage::Truncated, Damage::Garbage}) {
      const std::string what = std::string(c.file) + " " + DamageNames[static_cast<int>(d)];
      const std::string name =
          "other-" + fs::path(c.file).stem().string().substr(0, 4) + "-" + DamageNames[static_cast<int>(d)];
      if (!fs::exists(fs::path(testing_app::ForgedInstall()) / c.file)) {
        ADD_FAILURE() << "the forged set has no " << c.file;
        continue;
      }
      auto r = StartOn(name, DamagedInstall(name, c.file, d));
      // Closed by the script (0) or waiting in a box when it ended (3); never a crash.
      EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 3) << what << " -> " << r.exitCode << "\n" << r.output;
      if (c.namedOnTerminal) {
        EXPECT_NE(r.output.find(fs::path(c.file).filename().string() + " Not found."), std::string::npos)
            << what << "\n"
            << r.output;
      }
    }
}

}  // namespace
