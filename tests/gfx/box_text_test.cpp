// box_text_test.cpp -- text kept inside its box: path glyphs, breaks after separators, cut words and lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gfx/font.h"
#include "gfx/message_box.h"
#include "gfx/picture_load.h"
#include "gfx/pixels.h"
#include "tests/gfx/gfx_test_support.h"

namespace {

class BoxText : public ::testing::Test {
 protected:
  void SetUp() override {
    UseScreen(Rgb565);
    ASSERT_TRUE(UseForgedFont());
  }
  static int W(wchar_t c) { return FindGlyph(GameFont, c)->picture.Width(); }
  static int W(std::wstring_view s) { return TextWidth(GameFont, s); }
};

// The text of the glyphs placed on each line, top to bottom.
std::vector<std::wstring> Lines(const WrappedText& wrapped) {
  std::vector<std::wstring> lines;
  int y = 0;
  for (const PlacedGlyph& p : wrapped.glyphs) {
    if (lines.empty() || p.y != y) lines.emplace_back();
    y = p.y;
    lines.back() += p.character;
  }
  return lines;
}

}  // namespace

TEST_F(BoxText, PathGlyphsAreDrawnInTheFontsStroke) {
  const Glyph* l = FindGlyph(GameFont, L'l');
  int brightest = 0;
  for (int j = 0; j < l->picture.Width() * l->picture.Height(); ++j) {
    const Channels c = SplitPixel(l->picture.Pixels()[j]);
    brightest = std::max(brightest, c.r + c.g + c.b);
  }
  for (wchar_t c : std::wstring(L"/\\_")) {
    const Glyph* g = FindGlyph(GameFont, c);
    ASSERT_NE(g, nullptr) << char(c);
    EXPECT_EQ(g->picture.Height(), LineHeight(GameFont));
    int ink = 0, dim = 0;
    for (int i = 0; i < g->picture.Width() * g->picture.Height(); ++i) {
      const std::uint16_t p = g->picture.Pixels()[i];
      if (p == KeyColour) continue;
      ++ink;
      const Channels ch = SplitPixel(p);
      dim += ch.r + ch.g + ch.b == brightest ? 0 : 1;
    }
    EXPECT_GE(ink, 5) << char(c);
    EXPECT_EQ(dim, 0) << char(c) << ": drawn as bright as the letters";
  }
  // The slash leans right: its top ink stands right of its bottom ink.
  const Glyph* slash = FindGlyph(GameFont, L'/');
  auto inkColumn = [&](int row) {
    for (int col = 0; col < slash->picture.Width(); ++col)
      if (slash->picture.Pixels()[row * slash->picture.Width() + col] != KeyColour) return col;
    return -1;
  };
  EXPECT_GT(inkColumn(1), inkColumn(8));
  EXPECT_GE(inkColumn(8), 0);
}

TEST(BoxTextFont, AnEmptyFontGetsNoPathGlyphs) {
  BitmapFont font;
  CutFont(font, Image{}, true, true);
  AddPathGlyphs(font);
  EXPECT_EQ(FindGlyph(font, L'/'), nullptr);
  EXPECT_EQ(TextWidth(font, L"a/b"), 0);
}

TEST_F(BoxText, TextThatFitsWrapsAsItAlwaysDid) {
  // The rule of the game's screens: the test at every character, a break
  // character drawn where it stands, a whole word moved down.
  auto classic = [](std::wstring_view text, int left, int top, int right) {
    std::vector<PlacedGlyph> out;
    int x = left, y = top;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == L'\n') {
        x = left;
        y += LineHeight(GameFont);
        continue;
      }
      if (!WordFits(text, x, i, right)) {
        x = left;
        y += LineHeight(GameFont);
      }
      if (!FindGlyph(GameFont, text[i])) continue;
      out.push_back({text[i], x, y});
      x += W(text[i]);
    }
    return out;
  };
  const std::wstring texts[] = {
      L"Select Ok, to start the match with this opponent, and then we'll see the rules of the game.\n\nHINT: You "
      L"can battle an opponent as often as you want.",
      L"Do you really want to quit ?",
      L"Error !\n\nThe card set holds too few cards to deal this opponent a deck.\nThis game cannot be played.",
      L"word. next, and; more! really? yes",
  };
  for (const std::wstring& text : texts)
    for (int right : {120, 145, 180, 220}) {
      const WrappedText wrapped = WrapText(text, 40, 3, right, NoBottom, LineHeight(GameFont), true);
      const std::vector<PlacedGlyph> expected = classic(text, 40, 3, right);
      ASSERT_EQ(wrapped.glyphs.size(), expected.size()) << right;
      for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(wrapped.glyphs[i].x, expected[i].x);
        EXPECT_EQ(wrapped.glyphs[i].y, expected[i].y);
      }
      EXPECT_FALSE(wrapped.cut);
    }
}

TEST_F(BoxText, APathBreaksAfterItsSeparators) {
  const std::wstring path = L"/home/player/games/duskhaven/GFX/GENERAL/BlockCard.QXG";
  const int right = 10 + W(L"/home/player/gam");
  const WrappedText wrapped = WrapText(path, 10, 0, right, NoBottom, LineHeight(GameFont), true);
  EXPECT_FALSE(wrapped.cut);
  const std::vector<std::wstring> lines = Lines(wrapped);
  ASSERT_GE(lines.size(), 3u);
  std::wstring joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    joined += lines[i];
    if (i + 1 < lines.size()) {
      EXPECT_EQ(lines[i].back(), L'/') << "line " << i;
    }
  }
  EXPECT_EQ(joined, path);
  EXPECT_EQ(lines[0], L"/home/player/");
  EXPECT_EQ(lines.back(), L"BlockCard.QXG");
  // The backslash of a game path breaks the same way.
  EXPECT_EQ(Lines(WrapText(L"GFX\\GENERAL\\BlockCard", 0, 0, W(L"GFX\\GENERAL\\"), NoBottom, 11, true))[0],
            L"GFX\\GENERAL\\");
}

TEST_F(BoxText, AWordLongerThanTheLineIsCutWithAnEllipsis) {
  const int right = 10 + W(L"Dusk") + W(L"...");
  const WrappedText wrapped = WrapText(L"An Duskhavenian word, then", 10, 0, right, NoBottom, 11, true);
  EXPECT_TRUE(wrapped.cut);
  const std::vector<std::wstring> lines = Lines(wrapped);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], L"An ");
  EXPECT_EQ(lines[1], L"Dusk... ");
  EXPECT_EQ(lines[2], L"word, ");  // the wrapping goes on after the cut word
  EXPECT_EQ(lines[3], L"then");
  for (const PlacedGlyph& p : wrapped.glyphs)
    if (!IsBreakChar(p.character) || p.character == L'.') {
      EXPECT_LE(p.x + W(p.character), right) << char(p.character);
    }
  // A word alone in a box too narrow even for the dots leaves nothing.
  EXPECT_TRUE(WrapText(L"Duskhaven", 0, 0, 4, NoBottom, 11, true).glyphs.empty());
}

TEST_F(BoxText, TextStopsAtTheBottomWithAnEllipsis) {
  const int lh = LineHeight(GameFont);
  const std::wstring text = L"one two three four five six seven eight nine ten";
  const int right = W(L"one two thr");
  const WrappedText whole = WrapText(text, 0, 0, right, NoBottom, lh, true);
  const int linesNeeded = static_cast<int>(Lines(whole).size());
  ASSERT_GE(linesNeeded, 4);
  // Exactly the lines needed: nothing cut, and a final line feed asks for no more.
  EXPECT_TRUE(TextFitsBox(text, 0, 0, right, linesNeeded * lh));
  EXPECT_TRUE(TextFitsBox(text + L"\n", 0, 0, right, linesNeeded * lh));
  // One pixel less: the last line that fits ends in "...", nothing below it.
  const WrappedText cut = WrapText(text, 0, 0, right, linesNeeded * lh - 1, lh, true);
  EXPECT_TRUE(cut.cut);
  const std::vector<std::wstring> lines = Lines(cut);
  ASSERT_EQ(static_cast<int>(lines.size()), linesNeeded - 1);
  EXPECT_EQ(lines.back().substr(lines.back().size() - 3), L"...");
  for (const PlacedGlyph& p : cut.glyphs) {
    EXPECT_LE(p.y + lh, linesNeeded * lh - 1);
    EXPECT_LE(p.x + W(p.character), right);
  }
  // A box lower than one line shows nothing.
  EXPECT_TRUE(WrapText(text, 0, 0, right, lh - 1, lh, true).glyphs.empty());
}

TEST_F(BoxText, NotFoundBoxKeepsTheFileNameInView) {
  // A short path is shown whole.
  const std::wstring shortPath = L"/d/GFX\\GENERAL\\X.QXG";
  EXPECT_EQ(NotFoundBoxText(shortPath), NotFoundText(shortPath));
  // A long install folder gives way, folder by folder, to "...".
  const std::wstring longPath =
      L"/home/somebody/with/a/very/long/path/to/where/the/game/is/installed/today/GFX\\GENERAL\\BlockCard.QXG";
  const std::wstring text = NotFoundBoxText(longPath);
  EXPECT_NE(text.find(L"Error : .../"), std::wstring::npos) << std::string(text.begin(), text.end());
  EXPECT_NE(text.find(L"/GFX/GENERAL/BlockCard.QXG Not found."), std::wstring::npos);
  EXPECT_TRUE(FitsMessageBox(text, L"", L"Ok", MessageBoxLayout{}));
  EXPECT_EQ(text.rfind(L"Duskhaven\n\n", 0), 0u);  // the game's "/n" still breaks its lines
  // A file name too long for the box is cut there, never drawn below it.
  const std::wstring hugeName = L"/GFX\\" + std::wstring(200, L'W') + L".QXG";
  const std::wstring hugeText = NotFoundBoxText(hugeName);
  const MessageBoxGeometry g = MessageBoxPlaces(L"", L"Ok", MessageBoxLayout{});
  const WrappedText wrapped = WrapText(hugeText, g.textLeft, g.textTop, g.textRight, g.textBottom, 11, true);
  EXPECT_TRUE(wrapped.cut);
  for (const PlacedGlyph& p : wrapped.glyphs) EXPECT_LE(p.y + LineHeight(GameFont), g.textBottom);
}

TEST_F(BoxText, TheLastTextLineNeverTouchesTheLabels) {
  // A box's text may reach one row into the labels' row: every glyph keeps
  // its last row blank below the descenders.
  const int lh = LineHeight(GameFont);
  for (const Glyph& g : GameFont.glyphs) {
    if (!g.present) continue;
    for (int col = 0; col < g.picture.Width(); ++col)
      EXPECT_EQ(g.picture.Pixels()[(lh - 1) * g.picture.Width() + col], KeyColour) << (&g - GameFont.glyphs);
  }
  const MessageBoxGeometry g = MessageBoxPlaces(L"Cancel", L"Ok", MessageBoxLayout{});
  EXPECT_EQ(g.textBottom, g.labelRow + 1);
  const MessageBoxGeometry bare = MessageBoxPlaces(L"", L"", MessageBoxLayout{});
  EXPECT_EQ(bare.textBottom, 120 + 80 - 3 - 2);
}
