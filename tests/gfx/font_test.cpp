// font_test.cpp -- cutting the forged sheet and synthetic sheets, measuring, drawing and word wrapping.
#include <gtest/gtest.h>

#include "core/image.h"
#include "gfx/colour_rects.h"
#include "gfx/font.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "tests/gfx/gfx_test_support.h"
#include "tools/forge/forge.h"

namespace {

// A sheet of glyph boxes of the given widths, all `height` rows, in bands of
// `perBand`, on magenta; glyph i is filled with colour i + 1 (red pixel at its
// bottom-right when `redCorner`).
Image SyntheticSheet(const std::vector<int>& widths, int height, int perBand, bool redCorner = false) {
  const int lift = GammaOffset;  // colours as the decoder's conversion leaves them
  const std::uint16_t magenta = PackRgb(255 + lift, lift, 255 + lift);
  int sheetWidth = 0;
  for (std::size_t i = 0; i < widths.size(); i += perBand) {
    int w = 0;
    for (std::size_t j = i; j < widths.size() && j < i + perBand; ++j) w += widths[j] + 2;
    sheetWidth = std::max(sheetWidth, w);
  }
  const int bands = static_cast<int>((widths.size() + perBand - 1) / perBand);
  Image sheet = SolidImage(sheetWidth, bands * (height + 2), magenta);
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const int band = static_cast<int>(i) / perBand;
    int x = 0;
    for (std::size_t j = band * perBand; j < i; ++j) x += widths[j] + 2;  // two mask columns between glyphs
    const int y = band * (height + 2);
    for (int r = 0; r < height; ++r)
      for (int c = 0; c < widths[i]; ++c)
        sheet.Pixels()[(y + r) * sheet.Width() + x + c] = static_cast<std::uint16_t>(i + 1);
    if (redCorner)
      sheet.Pixels()[(y + height - 1) * sheet.Width() + x + widths[i] - 1] = PackRgb(255 + lift, lift, lift);
  }
  return sheet;
}

class Font : public ::testing::Test {
 protected:
  void SetUp() override {
    UseScreen(Rgb565);
    ASSERT_TRUE(UseForgedFont());
  }
  int W(wchar_t c) { return FindGlyph(GameFont, c) ? FindGlyph(GameFont, c)->picture.Width() : -1; }
};

}  // namespace

TEST_F(Font, ForgedSheetGivesEveryGlyphOfTheOrder) {
  int present = 0;
  for (const Glyph& g : GameFont.glyphs) present += g.present ? 1 : 0;
  EXPECT_EQ(present, SheetGlyphCount + 3);  // and the path glyphs drawn for it: '/', '\' and '_'
  for (std::uint8_t code : SheetOrder) {
    const Glyph* g = FindGlyph(GameFont, static_cast<wchar_t>(code));
    ASSERT_NE(g, nullptr) << int(code);
    EXPECT_GT(g->picture.Width(), 0) << int(code);
    EXPECT_EQ(g->picture.Height(), LineHeight(GameFont)) << int(code);
  }
  EXPECT_GE(LineHeight(GameFont), 10);
  EXPECT_LE(LineHeight(GameFont), 11);
  // Proportional: a capital M is wider than a small i; the space is narrow but there.
  EXPECT_GT(W(L'M'), W(L'i'));
  EXPECT_GE(W(L' '), 2);
  // No glyph carries the mask colour or pure red.
  for (std::uint8_t code : SheetOrder) {
    const Glyph* g = FindGlyph(GameFont, static_cast<wchar_t>(code));
    for (int r = 0; r < g->picture.Height(); ++r)
      for (int c = 0; c < g->picture.Width(); ++c) ASSERT_FALSE(IsMaskPixel(c, r, g->picture)) << int(code);
  }
}

TEST_F(Font, WidthsAddUpAndMissingCharactersCountForNothing) {
  EXPECT_EQ(TextWidth(GameFont, L"Ok"), W(L'O') + W(L'k'));
  EXPECT_EQ(W(L'\u00E9'), FindGlyph(GameFont, L'\u00E9')->picture.Width());  // e acute is on the sheet
  EXPECT_EQ(FindGlyph(GameFont, L'\u00FC'), nullptr);                        // u diaeresis is not
  EXPECT_EQ(TextWidth(GameFont, L"a\u00FCb"), W(L'a') + W(L'b'));
  EXPECT_EQ(FindGlyph(GameFont, L'\u00FF'), nullptr);  // code 255 has no slot at all
  EXPECT_EQ(TextWidth(GameFont, L"\u00FF\u00FF"), 0);
  // Wide characters use their low byte: U+0141 reads as 'A' (0x41).
  EXPECT_EQ(TextWidth(GameFont, L"\u0141"), W(L'A'));
  // Drawing an absent character draws nothing.
  DrawText(L"\u00FC\u00FF#", 10, 10, GameFont, 0);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(Pixel(0, x, y), KeyColour);
}

TEST_F(Font, TintedTextOnlyChangesColours) {
  const std::uint16_t bg = PackChannels({16, 0, 16});  // no glyph pixel has this colour
  FillRect(0, 0, 240, 320, bg, 0);
  FillRect(0, 0, 240, 320, bg, 1);
  DrawText(L"Cancel", 20, 20, GameFont, 0);
  DrawTextTinted(L"Cancel", 20, 20, GameFont, 3, 1);
  int drawn = 0;
  for (int y = 20; y < 20 + LineHeight(GameFont); ++y)
    for (int x = 20; x < 20 + TextWidth(GameFont, L"Cancel"); ++x) {
      const std::uint16_t plain = Pixel(0, x, y);
      // Same pixels covered; each one the plain colour ANDed with yellow.
      ASSERT_EQ(Pixel(1, x, y), plain == bg ? bg : plain & TintColour(3)) << x << "," << y;
      drawn += plain != bg;
    }
  EXPECT_GT(drawn, 20);
  // An index outside the table draws as plain text.
  DrawTextTinted(L"Cancel", 20, 20, GameFont, 12, 1);
  for (int x = 20; x < 60; ++x) ASSERT_EQ(Pixel(1, x, 25), Pixel(0, x, 25));
}

TEST(FontCutting, BandsAreReadInOrderAndRedBecomesTransparent) {
  UseScreen(Rgb565, 40);
  std::vector<int> widths;
  for (int i = 0; i < SheetGlyphCount; ++i) widths.push_back(1 + i % 7);
  Image sheet = SyntheticSheet(widths, 9, 20, true);
  BitmapFont font;
  CutFont(font, sheet, true, true);
  EXPECT_EQ(font.lineHeight, 9);
  for (int i = 0; i < SheetGlyphCount; ++i) {
    const Glyph* g = FindGlyph(font, static_cast<wchar_t>(SheetOrder[i]));
    ASSERT_NE(g, nullptr) << i;
    EXPECT_EQ(g->picture.Width(), widths[i]) << i;
    EXPECT_EQ(g->picture.Pixels()[0], i + 1) << i;
    EXPECT_EQ(g->picture.Pixels()[g->picture.Width() * g->picture.Height() - 1], KeyColour) << i;
  }
  FreeFont(font);
  // Without redToKey the red pixel stays.
  CutFont(font, sheet, true, false);
  const Glyph* a = FindGlyph(font, L'A');
  EXPECT_EQ(a->picture.Pixels()[a->picture.Width() * a->picture.Height() - 1], PackRgb(255, 40, 40));
  FreeFont(font);
}

TEST(FontCutting, ShortOrEmptySheetsLeaveTheRestAbsent) {
  UseScreen(Rgb565);
  Image sheet = SyntheticSheet({3, 4, 5}, 8, 2);
  BitmapFont font;
  CutFont(font, sheet, true, true);
  EXPECT_NE(FindGlyph(font, L'A'), nullptr);
  EXPECT_NE(FindGlyph(font, L'C'), nullptr);
  EXPECT_EQ(FindGlyph(font, L'C')->picture.Width(), 5);
  EXPECT_EQ(FindGlyph(font, L'D'), nullptr);
  EXPECT_EQ(FindGlyph(font, L'@'), nullptr);
  CutFont(font, Image{}, true, true);  // the empty picture of a missing sheet
  EXPECT_EQ(font.lineHeight, 0);
  EXPECT_EQ(TextWidth(font, L"Anything"), 0);
  FreeFont(font);
}

TEST_F(Font, WordFitsCountsUpToTheNextBreak) {
  const std::wstring text = L"ab cd,ef";
  const int ab = TextWidth(GameFont, L"ab");
  EXPECT_TRUE(WordFits(text, 10, 0, 10 + ab));  // ends exactly at the limit: stays
  EXPECT_FALSE(WordFits(text, 10, 0, 10 + ab - 1));
  EXPECT_TRUE(WordFits(text, 50, 2, 50));  // a break character itself has no width here
  EXPECT_FALSE(WordFits(text, 51, 2, 50));
  EXPECT_TRUE(WordFits(text, 0, 3, TextWidth(GameFont, L"cd")));  // stops at the comma
  for (wchar_t c : std::wstring(L" ,;.!?")) EXPECT_TRUE(IsBreakChar(c));
  for (wchar_t c : std::wstring(L"-':a\n")) EXPECT_FALSE(IsBreakChar(c));
}

TEST_F(Font, WrappedTextBreaksLinesWhereWordsNoLongerFit) {
  const int lh = LineHeight(GameFont);
  // A line feed starts the next line at the left edge, LineHeight lower.
  DrawWrapped(L"A\nB", 30, 40, 200, 0);
  const Glyph* gB = FindGlyph(GameFont, L'B');
  bool bAtLeft = false;
  for (int y = 40 + lh; y < 40 + 2 * lh; ++y)
    for (int x = 30; x < 30 + gB->picture.Width(); ++x) bAtLeft |= Pixel(0, x, y) != KeyColour;
  EXPECT_TRUE(bAtLeft);
  // "aaa bbb" with room for "aaa b" only: "bbb" moves down whole.
  ClearBuffer(0);
  const int aaa = TextWidth(GameFont, L"aaa ");
  const int right = 10 + aaa + TextWidth(GameFont, L"bb");
  DrawWrapped(L"aaa bbb", 10, 10, right, 0);
  bool secondLine = false, firstLineAfterSpace = false;
  for (int y = 10; y < 10 + lh; ++y)
    for (int x = 10 + aaa; x < 240; ++x) firstLineAfterSpace |= Pixel(0, x, y) != KeyColour;
  for (int y = 10 + lh; y < 10 + 2 * lh; ++y)
    for (int x = 10; x < 10 + TextWidth(GameFont, L"bbb"); ++x) secondLine |= Pixel(0, x, y) != KeyColour;
  EXPECT_FALSE(firstLineAfterSpace);
  EXPECT_TRUE(secondLine);
}

TEST_F(Font, TintedWrappingDrawsLineFeedsAsGlyphsAndSpacesLinesOneMore) {
  // Only a line that does not fit starts a new one, LineHeight + 1 lower.
  const int lh = LineHeight(GameFont);
  const int w = TextWidth(GameFont, L"xx");
  DrawWrappedTinted(L"xx\nyy", 0, 0, w, 11, 0);
  bool yOnSecondLine = false;
  for (int x = 0; x < TextWidth(GameFont, L"yy"); ++x)
    for (int y = lh + 1; y < 2 * lh + 1; ++y) yOnSecondLine |= Pixel(0, x, y) != KeyColour;
  EXPECT_TRUE(yOnSecondLine);
  bool lineBelowBlank = true;
  for (int x = 0; x < 240; ++x) lineBelowBlank &= Pixel(0, x, lh) == KeyColour;
  EXPECT_TRUE(lineBelowBlank);
}

TEST(FontSheet, ForgingTwiceGivesTheSameBytes) {
  const std::vector<std::uint8_t> first = ForgedFontSheet();
  ForgeOutput out("/nowhere");
  ASSERT_TRUE(ForgeFont(out));
  EXPECT_EQ(ForgedFontSheet(), first);
  ASSERT_GT(first.size(), 54u);
  EXPECT_EQ(first[0], 'B');
  EXPECT_EQ(first[28], 24);  // 24 bits a pixel, uncompressed
  EXPECT_EQ(first[30], 0);
}
