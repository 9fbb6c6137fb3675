// font.h -- the game's proportional bitmap font: cutting it from its sheet, drawing, tinting, measuring and wrapping
// text.
#pragma once

#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/image.h"

struct Glyph {
  Image picture;  // cut from the sheet
  bool present = false;
};

constexpr int GlyphCount = 255;  // character codes 0..254 (by the low byte)

struct BitmapFont {
  Glyph glyphs[GlyphCount];
  std::uint8_t lineHeight = 0;  // the tallest glyph; the line advance of wrapped text
  bool keyed = false;           // glyphs drawn with the colour key
  bool redToKey = false;        // pure red in a glyph becomes transparent when cut
};

// The one font every screen uses, built at start-up.
extern BitmapFont GameFont;

// The characters of the sheet, in the order their glyphs stand on it:
// capitals, small letters, 1-9 and 0, nine accented letters and thirteen
// signs. (The sheet is often called an 85-glyph sheet; the order holds 84.)
constexpr int SheetGlyphCount = 84;
extern const std::uint8_t SheetOrder[SheetGlyphCount];

// Loads the sheet (without dithering) and cuts the font from it. A missing
// sheet shows the "Not found." box and leaves every glyph absent.
bool LoadFont(BitmapFont& font, std::wstring_view path, bool keyed, bool redToKey);
// Cuts the glyphs out of a decoded sheet (bands separated by magenta).
void CutFont(BitmapFont& font, ImageView sheet, bool keyed, bool redToKey);
void FreeFont(BitmapFont& font);
// Gives the font the glyphs paths need and the sheet does not hold ('/', '\'
// and '_'), drawn in the font's own stroke and background colours. Glyphs the
// font already has are kept; an empty font stays empty.
void AddPathGlyphs(BitmapFont& font);

// The glyph of a character (by its low byte); null when absent.
const Glyph* FindGlyph(const BitmapFont& font, wchar_t character);

void DrawText(std::wstring_view text, int x, int y, const BitmapFont& font, int buffer);
// Each glyph pixel ANDed with tint `tintIndex` (0..11); any other index draws untinted.
void DrawTextTinted(std::wstring_view text, int x, int y, const BitmapFont& font, int tintIndex, int buffer);
std::int16_t TextWidth(const BitmapFont& font, std::wstring_view text);
std::uint8_t LineHeight(const BitmapFont& font);

// Space, comma, semicolon, full stop, exclamation and question mark, and the
// folder separators '/' and '\' (a path breaks after them).
bool IsBreakChar(wchar_t character);
// True when right >= x + the width of the characters from `index` up to the next break character.
bool WordFits(std::wstring_view text, int x, std::size_t index, int right);
// Word-wrapped text in GameFont between `left` and the limit `right`; line feeds start new lines.
// A word longer than a whole line is cut to fit, ending in "...".
void DrawWrapped(std::wstring_view text, int left, int top, int right, int buffer);
// The same within a box: no line reaches below `bottom` (exclusive); when the
// text needs more lines, the last line that fits ends in "..." and the rest is left out.
void DrawWrappedInBox(std::wstring_view text, int left, int top, int right, int bottom, int buffer);
// True when DrawWrappedInBox shows the whole text, nothing cut.
bool TextFitsBox(std::wstring_view text, int left, int top, int right, int bottom);

// Where wrapping puts each glyph of a text.
struct PlacedGlyph {
  wchar_t character;
  int x, y;
};
struct WrappedText {
  std::vector<PlacedGlyph> glyphs;
  bool cut = false;  // a word or the end of the text was left out
};
constexpr int NoBottom = INT_MAX;
// The wrapping rule behind the Draw* functions, in GameFont: lines `advance`
// apart; `lineFeeds` false draws line feeds as (normally absent) glyphs;
// `cutLongWords` false breaks a word longer than a line before each character
// that no longer fits (the tinted wrap's rule) instead of cutting it.
WrappedText WrapText(std::wstring_view text, int left, int top, int right, int bottom, int advance, bool lineFeeds,
                     bool cutLongWords = true);
// The same tinted, with right = left + width, line feeds drawn as glyphs and lines LineHeight + 1 apart.
void DrawWrappedTinted(std::wstring_view text, int left, int top, int width, int tintIndex, int buffer);
