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
    65,  66,  67,  68,  69,  70,  71,  72,  73,  74,  75,  76,  77,  78,  79,  80,  81,  82,  83,  84,  85,
    86,  87,  88,  89,  90,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112,
    113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 49,  50,  51,  52,  53,  54,  55,  56,  57,  48,  231,
    226, 224, 233, 234, 232, 244, 249, 251, 32,  33,  34,  45,  39,  63,  59,  44,  46,  58,  40,  41,  64};

namespace {

int GlyphWidth(const BitmapFont& font, wchar_t c) {
  const Glyph* g = FindGlyph(font, c);
  return g ? g->picture.Width() : 0;
}

void DrawGlyph(const BitmapFont& font, const Glyph& g, int x, int y, bool tinted, std::uint16_t tint, int buffer) {
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
  AddPathGlyphs(font);
  return loaded;
}

namespace {

// The brightest colour of a glyph: its stroke, without the anti-aliased fringe.
bool StrokeColour(const BitmapFont& font, wchar_t c, std::uint16_t background, std::uint16_t& stroke) {
  const Glyph* g = FindGlyph(font, c);
  if (!g || g->picture.Empty()) return false;
  int brightest = -1;
  const int n = g->picture.Width() * g->picture.Height();
  for (int i = 0; i < n; ++i) {
    const std::uint16_t p = g->picture.Pixels()[i];
    const Channels ch = SplitPixel(p);
    if (p != background && ch.r + ch.g + ch.b > brightest) {
      brightest = ch.r + ch.g + ch.b;
      stroke = p;
    }
  }
  return brightest >= 0;
}

// A glyph of `width` x the line height in the background colour, with the
// stroke on the given (column, row) pixels.
Glyph DrawnGlyph(const BitmapFont& font, int width, std::uint16_t background, std::uint16_t stroke,
                 std::initializer_list<std::pair<int, int>> ink) {
  Glyph g;
  g.picture = Image(static_cast<std::uint16_t>(width), font.lineHeight);
  std::fill_n(g.picture.Pixels(), width * font.lineHeight, background);
  for (auto [col, row] : ink)
    if (row < font.lineHeight) g.picture.Pixels()[row * width + col] = stroke;
  g.present = true;
  return g;
}

}  // namespace

void AddPathGlyphs(BitmapFont& font) {
  if (font.lineHeight == 0) return;
  const Glyph* space = FindGlyph(font, L' ');
  const std::uint16_t background = space && !space->picture.Empty() ? space->picture.Pixels()[0] : KeyColour;
  std::uint16_t stroke = 0;
  if (!StrokeColour(font, L'l', background, stroke) && !StrokeColour(font, L'I', background, stroke)) return;
  // Drawn on the letters' grid: capitals stand on rows 1..7, descenders reach row 9.
  auto add = [&](wchar_t c, Glyph g) {
    Glyph& slot = font.glyphs[static_cast<unsigned>(c) & 0xFFu];
    if (!slot.present) slot = std::move(g);
  };
  add(L'/', DrawnGlyph(font, 5, background, stroke, {{3, 1}, {3, 2}, {2, 3}, {2, 4}, {1, 5}, {1, 6}, {0, 7}, {0, 8}}));
  add(L'\\', DrawnGlyph(font, 5, background, stroke, {{0, 1}, {0, 2}, {1, 3}, {1, 4}, {2, 5}, {2, 6}, {3, 7}, {3, 8}}));
  add(L'_', DrawnGlyph(font, 5, background, stroke, {{0, 9}, {1, 9}, {2, 9}, {3, 9}, {4, 9}}));
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

bool IsBreakChar(wchar_t c) {
  return c == L' ' || c == L',' || c == L';' || c == L'.' || c == L'!' || c == L'?' || c == L'/' || c == L'\\';
}

bool WordFits(std::wstring_view text, int x, std::size_t index, int right) {
  int width = 0;
  for (std::size_t i = index; i < text.size() && !IsBreakChar(text[i]); ++i) width += GlyphWidth(GameFont, text[i]);
  return right >= x + width;
}

namespace {

constexpr std::wstring_view Ellipsis = L"...";

// Lays the glyphs out line by line: a word that no longer fits starts the next
// line; a word wider than a whole line is cut with "..." and the wrapping goes
// on after it; a line that would reach below the bottom is not started, the
// last line shown ends in "..." instead.
class Wrapper {
 public:
  Wrapper(int left, int top, int right, int bottom, int advance)
      : left_(left), right_(right), bottom_(bottom), advance_(advance), x_(left), y_(top) {}

  WrappedText Run(std::wstring_view text, bool lineFeeds, bool cutLongWords) {
    for (std::size_t i = 0; i < text.size() && !ended_; ++i) {
      if (lineFeeds && text[i] == L'\n') {
        NewLine();
        continue;
      }
      if (!WordFits(text, x_, i, right_)) {
        if (cutLongWords && !WordFits(text, left_, i, right_)) {
          i = CutWord(text, i);
          continue;
        }
        NewLine();
      }
      Place(text[i]);
    }
    return std::move(out_);
  }

 private:
  void NewLine() {
    x_ = left_;
    y_ += advance_;
  }

  // False (and the text ends here) when the current line lies below the bottom.
  bool LineFits() {
    if (ended_) return false;
    if (bottom_ == NoBottom || y_ + GameFont.lineHeight <= bottom_) return true;
    EndWithEllipsis();
    return false;
  }

  void Place(wchar_t c) {
    const Glyph* g = FindGlyph(GameFont, c);
    if (!g || !LineFits()) return;
    out_.glyphs.push_back({c, x_, y_});
    x_ += g->picture.Width();
  }

  // The last line shown gives up its end to "...".
  void EndWithEllipsis() {
    ended_ = true;
    out_.cut = true;
    if (out_.glyphs.empty()) return;
    const int lineY = out_.glyphs.back().y;
    const int dots = TextWidth(GameFont, Ellipsis);
    int end = left_;
    while (!out_.glyphs.empty() && out_.glyphs.back().y == lineY) {
      const PlacedGlyph& last = out_.glyphs.back();
      end = last.x + GlyphWidth(GameFont, last.character);
      if (last.character != L' ' && end + dots <= right_) break;
      end = last.x;
      out_.glyphs.pop_back();
    }
    if (end + dots > right_) return;  // too narrow even for the dots
    for (wchar_t d : Ellipsis) {
      out_.glyphs.push_back({d, end, lineY});
      end += GlyphWidth(GameFont, d);
    }
  }

  // A word wider than the line, from `index`: on a line of its own, as much
  // of it as fits before "...". Returns the index of its last character.
  std::size_t CutWord(std::wstring_view text, std::size_t index) {
    if (x_ != left_) NewLine();
    if (!LineFits()) return text.size();
    const int dots = TextWidth(GameFont, Ellipsis);
    std::size_t i = index;
    for (; i < text.size() && !IsBreakChar(text[i]); ++i) {
      const int width = GlyphWidth(GameFont, text[i]);
      if (x_ + width + dots > right_) break;
      Place(text[i]);
    }
    while (i < text.size() && !IsBreakChar(text[i])) ++i;
    out_.cut = true;
    if (x_ + dots <= right_)
      for (wchar_t d : Ellipsis) Place(d);
    return i - 1;
  }

  const int left_, right_, bottom_, advance_;
  int x_, y_;
  bool ended_ = false;  // the box is full
  WrappedText out_;
};

void DrawPlaced(const WrappedText& wrapped, bool tinted, std::uint16_t tint, int buffer) {
  for (const PlacedGlyph& p : wrapped.glyphs)
    if (const Glyph* g = FindGlyph(GameFont, p.character)) DrawGlyph(GameFont, *g, p.x, p.y, tinted, tint, buffer);
}

}  // namespace

WrappedText WrapText(std::wstring_view text, int left, int top, int right, int bottom, int advance, bool lineFeeds,
                     bool cutLongWords) {
  return Wrapper(left, top, right, bottom, advance).Run(text, lineFeeds, cutLongWords);
}

void DrawWrapped(std::wstring_view text, int left, int top, int right, int buffer) {
  DrawPlaced(WrapText(text, left, top, right, NoBottom, GameFont.lineHeight, true), false, 0, buffer);
}

void DrawWrappedInBox(std::wstring_view text, int left, int top, int right, int bottom, int buffer) {
  DrawPlaced(WrapText(text, left, top, right, bottom, GameFont.lineHeight, true), false, 0, buffer);
}

bool TextFitsBox(std::wstring_view text, int left, int top, int right, int bottom) {
  return !WrapText(text, left, top, right, bottom, GameFont.lineHeight, true).cut;
}

void DrawWrappedTinted(std::wstring_view text, int left, int top, int width, int tintIndex, int buffer) {
  const bool tinted = tintIndex >= 0 && tintIndex < TintCount;
  DrawPlaced(WrapText(text, left, top, left + width, NoBottom, GameFont.lineHeight + 1, false, false), tinted,
             TintColour(tintIndex), buffer);
}
