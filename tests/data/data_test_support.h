// data_test_support.h -- small card sets and folders the data tests write for themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tools/forge/asset_tables.h"

// A fresh empty folder for one test, made the install directory.
std::string FreshInstallDir(const std::string& name);

// perLevel cards per level: "CARD <id>", icons from a fixed pattern, values
// 100 + 7 * (id % 13) + 300 * level, so that prices tie now and then.
std::vector<CardRow> SmallCardRows(int perLevel);
std::vector<FamilyRow> SmallFamilyRows(int perLevel);
std::vector<OpponentRow> SmallOpponentRows();

// Writes the four data files of these tables under the install directory
// and opens the card database; false on any failure.
bool WriteCardSet(const std::vector<CardRow>& cards, const std::vector<FamilyRow>& families,
                  const std::vector<OpponentRow>& opponents);
bool WriteSmallCardSet(int perLevel);

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v);
std::vector<std::uint8_t> Scrambled(const std::string& text);
bool WriteGameFile(const std::string& gamePath, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadGameFile(const std::string& gamePath);
