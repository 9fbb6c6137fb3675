// duel_test_data.h -- a small card database written by the tests themselves.
#pragma once

#include <string>

// Writes DATA\CARDS\SET 1\CARDS.IND and CARDS.DAT for `cardCount` made-up
// cards under `dir` (created as needed), opens the database there and
// returns true when it opened.
bool OpenTinyCardSet(const std::string& dir, int cardCount);

// A fresh folder under the test's temporary directory.
std::string TestFolder(const std::string& name);
