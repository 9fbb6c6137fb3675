// stand_in_pictures.cpp -- plain BMP pictures standing in for duel art the data set has not drawn yet.
#include "tests/match/stand_in_pictures.h"

#include <cstdint>
#include <string>
#include <vector>

#include "data/card_database.h"
#include "platform/file_system.h"

namespace {

void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A 24-bit BMP of one colour with a lighter border, never pure black.
std::vector<std::uint8_t> PlainBmp(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t bl) {
  const int rowBytes = (w * 3 + 3) & ~3;
  std::vector<std::uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  Put32(b, static_cast<std::uint32_t>(54 + rowBytes * h));
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(w));
  Put32(b, static_cast<std::uint32_t>(h));
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);
  Put32(b, static_cast<std::uint32_t>(rowBytes * h));
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
      b.push_back(edge ? 200 : bl);
      b.push_back(edge ? 200 : g);
      b.push_back(edge ? 200 : r);
    }
    for (int p = w * 3; p < rowBytes; ++p) b.push_back(0);
  }
  return b;
}

// The pictures written by earlier runs into the same data set, one path a line.
constexpr const char* StandInList = "standin.list";
std::string written;

int Fill(const std::string& path, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  if (platform::FileExists(path)) return 0;
  written += path + "\n";
  std::string folder = path.substr(0, path.rfind('\\'));
  platform::MakeDirectories(folder);
  platform::WriteFileAtomically(path, PlainBmp(w, h, r, g, b));
  return 1;
}

}  // namespace

int FillMissingDuelPictures() {
  std::vector<std::uint8_t> earlier;
  int missing = 0;
  if (platform::ReadWholeFile(StandInList, earlier))
    for (std::uint8_t c : earlier) missing += c == '\n';
  written.assign(earlier.begin(), earlier.end());
  missing += Fill("GFX\\GENERAL\\BoardUI.QXG", 240, 320, 40, 30, 80);
  missing += Fill("GFX\\GENERAL\\BoardUIZoomON.QXG", 240, 320, 90, 60, 140);
  missing += Fill("GFX\\GENERAL\\BlockCard.QXG", 32, 50, 90, 90, 90);
  missing += Fill("GFX\\CARDS\\SET 1\\CARDS SMALL\\BackCard.QXG", 32, 50, 120, 20, 60);
  for (int v = 1; v <= 5; ++v)
    missing += Fill("GFX\\CARDS\\SET 1\\CARDS SMALL\\PowerIcon" + std::to_string(v) + ".QXG", 7, 7,
                    static_cast<std::uint8_t>(50 * v), 200, static_cast<std::uint8_t>(250 - 40 * v));
  for (int n = 1; n <= 24; ++n)
    missing += Fill("GFX\\GENERAL\\" + std::to_string(n) + ".QXG", 120, 120, static_cast<std::uint8_t>(10 * n), 40,
                    static_cast<std::uint8_t>(250 - 10 * n));
  for (const char* banner : {"start", "youwin", "youloose", "Perfect", "draw"})
    missing += Fill(std::string("GFX\\TEXT\\") + banner + ".QXG", 240, 48, 220, 180, 40);
  for (const char* banner : {"multihit", "cardtaken"})
    missing += Fill(std::string("GFX\\TEXT\\") + banner + ".QXG", 160, 60, 40, 200, 220);
  missing += Fill("GFX\\TEXT\\Versus.QXG", 60, 40, 200, 200, 60);
  for (int id = 1; id <= CardCount(); ++id) {
    const std::string name(LoadCard(id).name.View());
    missing += Fill("GFX\\CARDS\\SET 1\\CARDS SMALL\\" + name + ".QXG", 32, 50, 60, 100, 60);
    missing += Fill("GFX\\CARDS\\SET 1\\CARDS BIG\\BIG_" + name + ".QXG", 96, 150, 60, 100, 60);
  }
  platform::WriteFileAtomically(StandInList, std::vector<std::uint8_t>(written.begin(), written.end()));
  return missing;
}
