// two_game_run.h -- the fixture of a run of two games on loopback: a fresh folder for both and a port of its own.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "tests/club/room_harness.h"

class TwoGameRun : public ::testing::Test {
 protected:
  // The folder is /tmp/duskhaven-NAME-XXXXXX; each kind of run takes its ports from its own base.
  TwoGameRun(const char* name, int portBase) : name_(name), portBase_(portBase) {}

  void SetUp() override {
    SetUpRoom();
    std::string folder = "/tmp/duskhaven-" + name_ + "-XXXXXX";
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    root = folder;
    port = portBase_ + static_cast<int>(::getpid() % 20000);
  }
  void TearDown() override {
    // DUSKHAVEN_TRADE_KEEP=1 keeps the folders (dumps, logs, captured frames) for looking at.
    if (const char* keep = std::getenv("DUSKHAVEN_TRADE_KEEP"); keep && *keep) return;
    std::error_code error;
    std::filesystem::remove_all(root, error);
  }

  std::string root;
  int port = 0;

 private:
  std::string name_;
  int portBase_;
};
