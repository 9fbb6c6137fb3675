// font.cpp -- font cutting from the magenta-banded sheet, and text drawing, measuring and word wrapping.
#include "gfx/font.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/image.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/picture_load.h"
#include "gfx/pixels.h"

BitmapFont GameFont;

const std::uint8_t SheetOrder[SheetGlyphCount] = {
    65,  66,  67,  68,  69,  70,  71,  72,  73,  74,  75,  76,  77,  78,  79,  80,  81,  82,  83,  84,  85, 86,
    87,  88,  89,  90,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114,
    115, 116, 117, 118, 119, 120, 121, 122, 49,  50,  51,  52,  53,  54,  55,  56,  57,  48,  231, 226, 224, 233,
    234, 232, 244, 249, 251, 32,  33,  34,  45,  39,  63,  59,  44,  46,  58,  40,  41,  64};

namespace {

int GlyphWidth(const BitmapFont& font, wchar_t c) {
  const Glyph* g = FindGlyph(font, c);
  return g ? g->picture.Width() : 0;
}

void DrawGlyph(const BitmapFont& font, const Glyph& g, int x, int y, bool tinted, std::uint16_t tint,
               int buffer) {
  const ImageView image = g.picture;
  if (tinted) {
    if (font.keyed)
      DrawKeyedTinted(x, y, image, tint, buffer);
    else
      DrawTinted(x, y, image, tint, buffer);
  } else if (font.keyed) {
    DrawKeyed(x, y, image, buffer);
  } else {
    DrawImage(x, y, image, buffer);
  }
}

void DrawString(std::wstring_view text, int x, int y, const BitmapFont& font, bool tinted, std::uint16_t tint,
                int buffer) {
  for (wchar_t c : text) {
    const Glyph* g = FindGlyph(font, c);
    if (!g) continue;
    DrawGlyph(font, *g, x, y, tinted, tint, buffer);
    x += g->picture.Width();
  }
}

}  // namespace

void FreeFont(BitmapFont& font) {
  for (Glyph& g : font.glyphs) g = Glyph{};
  font.lineHeight = 0;
}

const Glyph* FindGlyph(const BitmapFont& font, wchar_t character) {
  // Code 255 has no entry in the table of 255 glyphs: it is absent like any
  // character that was not cut.
  const unsigned code = static_cast<unsigned>(character) & 0xFFu;
  if (code >= GlyphCount) return nullptr;
  const Glyph& g = font.glyphs[code];
  return g.present ? &g : nullptr;
}

void CutFont(BitmapFont& font, ImageView sheet, bool keyed, bool redToKey) {
  FreeFont(font);
  font.keyed = keyed;
  font.redToKey = redToKey;
  const int w = sheet.pixels ? sheet.width : 0;
  const int h = sheet.pixels ? sheet.height : 0;
  auto mask = [&](int col, int row) { return IsMaskPixel(col, row, sheet); };
  int cursorCol = 0, cursorRow = 0;
  for (std::uint8_t code : SheetOrder) {
    int startCol = cursorCol;
    while (startCol < w && cursorRow < h && mask(startCol, cursorRow)) ++startCol;
    if (startCol >= w || cursorRow >= h) {
      // Next band: past the rest of this band, then past the mask rows.
      int row = cursorRow;
      while (row < h && !mask(0, row)) ++row;
      while (row < h && mask(0, row)) ++row;
      if (row >= h) continue;
      cursorRow = row;
      startCol = 0;
    }
    int gw = 0, gh = 0;
    while (startCol + gw < w && gw < 255 && !mask(startCol + gw, cursorRow)) ++gw;
    while (cursorRow + gh < h && gh < 255 && !mask(startCol, cursorRow + gh)) ++gh;
    Image cut = CropImage(sheet, startCol, cursorRow, gw, gh);
    if (redToKey) RedToKey(cut);
    Glyph& g = font.glyphs[code];
    g.picture = std::move(cut);
    g.present = true;
    cursorCol = startCol + gw;
  }
  std::uint8_t tallest = 0;
  for (const Glyph& g : font.glyphs)
    if (g.present) tallest = std::max<std::uint8_t>(tallest, static_cast<std::uint8_t>(g.picture.Height()));
  font.lineHeight = tallest;
}

bool LoadFont(BitmapFont& font, std::wstring_view path, bool keyed, bool redToKey) {
  Image sheet;
  const bool loaded = LoadImageFile(path, sheet, false);
  CutFont(font, loaded ? sheet.View() : ImageView{}, keyed, redToKey);
  return loaded;
}

void DrawText(std::wstring_view text, int x, int y, const BitmapFont& font, int buffer) {
  DrawString(text, x, y, font, false, 0, buffer);
}

void DrawTextTinted(std::wstring_view text, int x, int y, const BitmapFont& font, int tintIndex, int buffer) {
  const bool tinted = tintIndex >= 0 && tintIndex < TintCount;
  DrawString(text, x, y, font, tinted, TintColour(tintIndex), buffer);
}

std::int16_t TextWidth(const BitmapFont& font, std::wstring_view text) {
  int width = 0;
  for (wchar_t c : text) width += GlyphWidth(font, c);
  return static_cast<std::int16_t>(width);
}

std::uint8_t LineHeight(const BitmapFont& font) { return font.lineHeight; }

bool IsBreakChar(wchar_t c) { return c == L' ' || c == L',' || c == L';' || c == L'.' || c == L'!' || c == L'?'; }

bool WordFits(std::wstring_view text, int x, std::size_t index, int right) {
  int width = 0;
  for (std::size_t i = index; i < text.size() && !IsBreakChar(text[i]); ++i) width += GlyphWidth(GameFont, text[i]);
  return right >= x + width;
}

void DrawWrapped(std::wstring_view text, int left, int top, int right, int buffer) {
  int x = left, y = top;
  const int advance = GameFont.lineHeight;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n') {
      x = left;
      y += advance;
      continue;
    }
    if (!WordFits(text, x, i, right)) {
      x = left;
      y += advance;
    }
    DrawString(text.substr(i, 1), x, y, GameFont, false, 0, buffer);
    x += GlyphWidth(GameFont, text[i]);
  }
}

void DrawWrappedTinted(std::wstring_view text, int left, int top, int width, int tintIndex, int buffer) {
  const int right = left + width;
  int x = left, y = top;
  const int advance = GameFont.lineHeight + 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!WordFits(text, x, i, right)) {
      x = left;
      y += advance;
    }
    DrawTextTinted(text.substr(i, 1), x, y, GameFont, tintIndex, buffer);
    x += GlyphWidth(GameFont, text[i]);
  }
}
