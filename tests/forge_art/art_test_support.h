// art_test_support.h -- captures the forge's files in memory and decodes pictures the way the game does (SDL2_image).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/forge/art_canvas.h"
#include "tools/forge/forge.h"

// Every file ForgeOutput::Write was given in this test program, by game path.
std::map<std::string, std::vector<std::uint8_t>>& CapturedFiles();

// Decodes PNG or JPEG bytes with SDL2_image into RGB; false when they do not decode.
bool DecodePicture(const std::vector<std::uint8_t>& bytes, RgbPicture& picture);

// True when the pixel packs to the colour key in a 5-6-5 display.
inline bool PacksToKey565(const std::uint8_t* p) { return (p[0] >> 3) == 0 && (p[1] >> 2) == 0 && (p[2] >> 3) == 0; }
// ... or in a 4-4-4 display.
inline bool PacksToKey444(const std::uint8_t* p) { return (p[0] >> 4) == 0 && (p[1] >> 4) == 0 && (p[2] >> 4) == 0; }
inline bool ExactBlack(const std::uint8_t* p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }

// How a keyed picture breaks the black rule ("" when it keeps it): every pixel
// is exact black (transparent) or stays off the key in every display layout.
std::string KeyRuleFault(const RgbPicture& picture);
// How an opaque picture breaks its rule: no pixel may pack to the key.
std::string OpaqueRuleFault(const RgbPicture& picture);

const std::uint8_t* PixelAt(const RgbPicture& picture, int x, int y);

// How many of these byte strings differ from every one before them.
std::size_t DistinctCount(const std::vector<std::vector<std::uint8_t>>& items);

// A suite whose pictures `Forge` draws once, in memory, before its first test; `Folder` is put in front of the
// names Picture and IsPng are given. Each suite is its own class (class ShopArt : public
// ForgedPictures<ForgeShopArt, ShopFolder> {};), so each keeps its own files.
inline constexpr char NoFolder[] = "";
template <bool (*Forge)(ForgeOutput&), const char* Folder = NoFolder>
class ForgedPictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CapturedFiles().clear();
    ForgeOutput out("memory");
    forged = Forge(out);
    files = CapturedFiles();
  }
  // The forged picture decoded; a failure (and an empty picture) when it was not forged or does not decode.
  static RgbPicture Picture(const std::string& name) {
    RgbPicture p;
    auto it = files.find(Folder + name);
    if (it == files.end()) {
      ADD_FAILURE() << "not forged: " << name;
      return p;
    }
    EXPECT_TRUE(DecodePicture(it->second, p)) << "does not decode: " << name;
    return p;
  }
  static bool IsPng(const std::string& name) {
    const auto& b = files[Folder + name];
    return b.size() > 4 && b[1] == 'P' && b[2] == 'N' && b[3] == 'G';
  }
  static inline bool forged = false;
  static inline std::map<std::string, std::vector<std::uint8_t>> files;
};
