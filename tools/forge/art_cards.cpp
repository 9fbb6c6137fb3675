// art_cards.cpp -- draws every card's small and big picture from its family's look and its level.
#include "tools/forge/art_cards.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "tools/forge/art_palette.h"
#include "tools/forge/asset_tables.h"
#include "tools/forge/forge.h"

namespace {

// Where things sit on each size of card (pixels).
struct CardLayout {
  int width, height;
  double artX, artY, artRadius;  // the motif's centre and radius
  PlateRect plate;
  double frame;  // frame band width
  double pipY;   // level marks (small card)
  bool big;
};

constexpr CardLayout SmallLayout{SmallCardWidth, SmallCardHeight, 16, 20, 10.5, SmallPlate, 2, 32.5, false};
constexpr CardLayout BigLayout{BigCardWidth, BigCardHeight, 48, 56, 30, BigPlate, 5, 0, true};

const Colour Chrome[3] = {Rgb8(238, 240, 250), Rgb8(128, 132, 150), Rgb8(214, 218, 232)};
const Colour Gold[3] = {Rgb8(255, 232, 140), Rgb8(176, 118, 36), Rgb8(246, 200, 90)};

void Background(cairo_t* cr, const FamilyLook& look, const CardLayout& l, int level) {
  // Darker for the young, brighter and warmer towards level 4.
  const double k = 0.75 + 0.12 * level;
  const Colour top = Scale(look.backTop, k), bottom = Scale(Mix(look.backBottom, look.paint.glow, 0.04 * level), k);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, l.height);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  if (level == 1) return;

  // The family's pattern, faint, over the picture area only.
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, l.width, l.plate.y);
  cairo_clip(cr);
  const Colour c = look.paint.glow;
  const double u = l.big ? 3.0 : 1.0;
  SetColour(cr, c, 0.1 + 0.04 * level);
  cairo_set_line_width(cr, 0.8 * u);
  switch (look.pattern) {
    case 0:  // diagonal stripes
      for (double x = -l.height; x < l.width; x += 5 * u) {
        cairo_move_to(cr, x, l.plate.y);
        cairo_line_to(cr, x + l.plate.y, 0);
      }
      cairo_stroke(cr);
      break;
    case 1:  // dots
      for (double y = 3 * u; y < l.plate.y; y += 4 * u)
        for (double x = (static_cast<int>(y / u) % 8 ? 2 : 4) * u; x < l.width; x += 4 * u) {
          cairo_new_sub_path(cr);
          cairo_arc(cr, x, y, 0.55 * u, 0, 2 * Pi);
        }
      cairo_fill(cr);
      break;
    case 2:  // rays from the motif
      for (int i = 0; i < 16; ++i) {
        const double a = i * Pi / 8;
        cairo_move_to(cr, l.artX, l.artY);
        cairo_line_to(cr, l.artX + 80 * u * std::cos(a), l.artY + 80 * u * std::sin(a));
        cairo_line_to(cr, l.artX + 80 * u * std::cos(a + 0.12), l.artY + 80 * u * std::sin(a + 0.12));
        cairo_close_path(cr);
      }
      cairo_fill(cr);
      break;
    case 3:  // rings
      for (double r = 3 * u; r < 40 * u; r += 4 * u) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, l.artX, l.artY, r, 0, 2 * Pi);
      }
      cairo_stroke(cr);
      break;
    case 4:  // a dance floor in perspective
      for (int i = -6; i <= 6; ++i) {
        cairo_move_to(cr, l.artX + i * 2 * u, l.artY);
        cairo_line_to(cr, l.artX + i * 9 * u, l.plate.y);
      }
      for (double y = l.artY; y < l.plate.y; y += (y - l.artY) * 0.35 + 1.5 * u) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, l.width, y);
      }
      cairo_stroke(cr);
      break;
    default:  // waves
      for (double y = 4 * u; y < l.plate.y; y += 5 * u) {
        cairo_move_to(cr, 0, y);
        for (double x = 0; x <= l.width; x += 4 * u)
          cairo_curve_to(cr, x + 1.3 * u, y - 1.5 * u, x + 2.7 * u, y + 1.5 * u, x + 4 * u, y);
      }
      cairo_stroke(cr);
      break;
  }
  cairo_restore(cr);
}

// The room the creature stands in: a stage and its light at level 3, a burst
// of rays at level 4; the young have only their plain wall.
void Stage(cairo_t* cr, const FamilyLook& look, const CardLayout& l, int level) {
  if (level < 2) return;
  const double u = l.big ? 3.0 : 1.0;
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, l.width, l.plate.y);
  cairo_clip(cr);
  const double floorY = l.artY + l.artRadius * 0.95;
  // A floor under it from level 2, lit from level 3.
  cairo_pattern_t* f = cairo_pattern_create_linear(0, floorY - 2 * u, 0, l.plate.y);
  const Colour fc = Mix(look.backBottom, look.paint.glow, level >= 3 ? 0.45 : 0.25);
  cairo_pattern_add_color_stop_rgba(f, 0, fc.r, fc.g, fc.b, 0.0);
  cairo_pattern_add_color_stop_rgba(f, 1, fc.r, fc.g, fc.b, 0.8);
  cairo_set_source(cr, f);
  cairo_rectangle(cr, 0, floorY - 2 * u, l.width, l.plate.y - floorY + 2 * u);
  cairo_fill(cr);
  cairo_pattern_destroy(f);
  if (level >= 3) {
    // The spot cone from above and its pool of light.
    cairo_move_to(cr, l.artX - 3 * u, 0);
    cairo_line_to(cr, l.artX + 3 * u, 0);
    cairo_line_to(cr, l.artX + l.artRadius * 1.1, floorY);
    cairo_line_to(cr, l.artX - l.artRadius * 1.1, floorY);
    cairo_close_path(cr);
    SetColour(cr, Mix(look.paint.glow, Rgb8(255, 255, 255), 0.5), 0.13);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, l.artX, floorY);
    cairo_scale(cr, l.artRadius * 1.1, l.artRadius * 0.22);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    SetColour(cr, Mix(look.paint.glow, Rgb8(255, 255, 255), 0.4), 0.45);
    cairo_fill(cr);
  }
  if (level >= 4) {
    // Rays of its own colour from behind.
    for (int i = 0; i < 12; ++i) {
      const double a = i * Pi / 6 + 0.13;
      cairo_move_to(cr, l.artX, l.artY);
      cairo_arc(cr, l.artX, l.artY, 90 * u, a, a + 0.16);
      cairo_close_path(cr);
    }
    SetColour(cr, look.paint.accent, 0.16);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

// Whole words of a card's name, so that a crowd or a crown in the name shows.
bool NameHas(const std::string& name, std::initializer_list<const char*> words) {
  for (const char* w : words) {
    const std::string word(w);
    for (std::size_t at = name.find(word); at != std::string::npos; at = name.find(word, at + 1)) {
      const bool startOk = at == 0 || name[at - 1] == ' ';
      const bool endOk = at + word.size() == name.size() || name[at + word.size()] == ' ';
      if (startOk && endOk) return true;
    }
  }
  return false;
}

// The motifs that draw their own crowds and crowns at the higher levels; the
// older emblems get them from the card's name.
bool DrawsItsOwnCourt(Motif m) {
  return static_cast<int>(m) >= static_cast<int>(Motif::Bouncer) || m == Motif::Crown || m == Motif::Bug;
}

void Regalia(cairo_t* cr, const MotifPaint& paint) {
  // A small gold crown on the motif's brow, its jewels in the family's accent.
  cairo_move_to(cr, -0.32, -0.62);
  cairo_line_to(cr, -0.36, -0.92);
  cairo_line_to(cr, -0.16, -0.76);
  cairo_line_to(cr, 0, -1.0);
  cairo_line_to(cr, 0.16, -0.76);
  cairo_line_to(cr, 0.36, -0.92);
  cairo_line_to(cr, 0.32, -0.62);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 250 / 255.0, 208 / 255.0, 80 / 255.0);
  cairo_fill_preserve(cr);
  SetColour(cr, paint.ink);
  cairo_set_line_width(cr, paint.px * 0.9);
  cairo_stroke(cr);
  for (int i = -1; i <= 1; ++i) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.18 * i, -0.69, 0.05, 0, 2 * Pi);
  }
  SetColour(cr, paint.accent);
  cairo_fill(cr);
}

void Sparkle(cairo_t* cr, double x, double y, double r, Colour c) {
  cairo_move_to(cr, x, y - r);
  cairo_curve_to(cr, x, y, x, y, x + r, y);
  cairo_curve_to(cr, x, y, x, y, x, y + r);
  cairo_curve_to(cr, x, y, x, y, x - r, y);
  cairo_curve_to(cr, x, y, x, y, x, y - r);
  SetColour(cr, c, 0.95);
  cairo_fill(cr);
}

void Aura(cairo_t* cr, const FamilyLook& look, const CardLayout& l) {
  const Colour g = look.paint.glow;
  cairo_pattern_t* p =
      cairo_pattern_create_radial(l.artX, l.artY, l.artRadius * 0.4, l.artX, l.artY, l.artRadius * 1.6);
  cairo_pattern_add_color_stop_rgba(p, 0, g.r, g.g, g.b, 0.55);
  cairo_pattern_add_color_stop_rgba(p, 1, g.r, g.g, g.b, 0);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, 0, 0, l.width, l.plate.y);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  const double u = l.big ? 3.0 : 1.0;
  // Sparkles between the icon places.
  const double spots[4][2] = {{0.3, 0.22}, {0.72, 0.3}, {0.26, 0.62}, {0.76, 0.6}};
  for (const auto& s : spots) Sparkle(cr, s[0] * l.width, s[1] * l.plate.y, 1.6 * u, Rgb8(255, 250, 235));
}

void BandStroke(cairo_t* cr, const CardLayout& l, double inset, double width, const Colour stops[3]) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, l.width, l.height);
  cairo_pattern_add_color_stop_rgb(g, 0, stops[0].r, stops[0].g, stops[0].b);
  cairo_pattern_add_color_stop_rgb(g, 0.5, stops[1].r, stops[1].g, stops[1].b);
  cairo_pattern_add_color_stop_rgb(g, 1, stops[2].r, stops[2].g, stops[2].b);
  cairo_set_source(cr, g);
  cairo_set_line_width(cr, width);
  cairo_rectangle(cr, inset + width / 2, inset + width / 2, l.width - 2 * inset - width, l.height - 2 * inset - width);
  cairo_stroke(cr);
  cairo_pattern_destroy(g);
}

void Frame(cairo_t* cr, const FamilyLook& look, const CardLayout& l, int level) {
  const double f = l.frame;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  switch (level) {
    case 1: {
      const Colour plain[3] = {Scale(look.paint.body, 0.55), Scale(look.paint.body, 0.35), Scale(look.paint.body, 0.5)};
      BandStroke(cr, l, 0, l.big ? 3 : 1, plain);
      break;
    }
    case 2:
      BandStroke(cr, l, 0, f, Chrome);
      break;
    case 3:
      BandStroke(cr, l, 0, f, Gold);
      break;
    default: {
      BandStroke(cr, l, 0, f, Gold);
      const Colour neon[3] = {look.paint.glow, Rgb8(255, 255, 255), look.paint.glow};
      BandStroke(cr, l, l.big ? 1.5 : 0.5, l.big ? 1.5 : 0.8, neon);
      break;
    }
  }
  if (level >= 3 && l.big) {
    // Studs at the corners, outside the icon places.
    const double c[4][2] = {{3.5, 3.5}, {l.width - 3.5, 3.5}, {3.5, l.height - 3.5}, {l.width - 3.5, l.height - 3.5}};
    for (const auto& p : c) {
      cairo_move_to(cr, p[0], p[1] - 3);
      cairo_line_to(cr, p[0] + 3, p[1]);
      cairo_line_to(cr, p[0], p[1] + 3);
      cairo_line_to(cr, p[0] - 3, p[1]);
      cairo_close_path(cr);
      SetColour(cr, level == 4 ? look.paint.glow : Rgb8(255, 244, 200));
      cairo_fill(cr);
    }
  }
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string w;
  for (char c : text) {
    if (c == ' ') {
      if (!w.empty()) words.push_back(w);
      w.clear();
    } else {
      w.push_back(c);
    }
  }
  if (!w.empty()) words.push_back(w);
  return words;
}

// The name plate: a light, neutral bar (the owner's tint brightens it) with the name in dark ink.
void Plate(cairo_t* cr, const CardArt& card, const CardLayout& l) {
  const PlateRect& p = l.plate;
  cairo_pattern_t* g = cairo_pattern_create_linear(0, p.y, 0, p.y + p.h);
  cairo_pattern_add_color_stop_rgb(g, 0, 166 / 255.0, 162 / 255.0, 172 / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 1, 136 / 255.0, 132 / 255.0, 146 / 255.0);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, p.x, p.y, p.w, p.h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, Rgb8(96, 92, 112));
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, p.x + 0.5, p.y + 0.5, p.w - 1, p.h - 1);
  cairo_stroke(cr);

  const Colour ink = Rgb8(30, 22, 46);
  SetColour(cr, ink);
  // The small plate stays bare: five rows above the bottom icons cannot hold a
  // legible name, and the zoom shows it in full.
  if (!l.big) return;
  // The big card: the name on one or two lines, then the level as stars.
  const double maxWidth = p.w - 6;
  double size = 11;
  SelectArtFont(cr, ArtFont::CondensedBold, size);
  std::vector<std::string> lines{card.name};
  if (ArtTextWidth(cr, card.name) > maxWidth) {
    const auto words = Words(card.name);
    std::string best1 = card.name, best2;
    double bestWidth = 1e9;
    for (std::size_t split = 1; split < words.size(); ++split) {
      std::string a, b;
      for (std::size_t i = 0; i < words.size(); ++i)
        (i < split ? a : b) += (i == 0 || i == split ? "" : " ") + words[i];
      const double w = std::max(ArtTextWidth(cr, a), ArtTextWidth(cr, b));
      if (w < bestWidth) {
        bestWidth = w;
        best1 = a;
        best2 = b;
      }
    }
    lines = best2.empty() ? std::vector<std::string>{best1} : std::vector<std::string>{best1, best2};
    double widest = 0;
    for (const auto& line : lines) widest = std::max(widest, ArtTextWidth(cr, line));
    if (widest > maxWidth) {
      size = std::max(5.0, size * maxWidth / widest);
      SelectArtFont(cr, ArtFont::CondensedBold, size);
    }
  }
  // Whatever the name, it never leaves the plate.
  cairo_save(cr);
  cairo_rectangle(cr, p.x + 2, p.y + 1, p.w - 4, p.h - 2);
  cairo_clip(cr);
  SetColour(cr, ink);
  if (lines.size() == 1) {
    DrawCentredText(cr, lines[0], p.x + p.w / 2.0, p.y + 17);
  } else {
    DrawCentredText(cr, lines[0], p.x + p.w / 2.0, p.y + 12);
    DrawCentredText(cr, lines[1], p.x + p.w / 2.0, p.y + 24);
  }
  cairo_restore(cr);
  const double starY = p.y + p.h - 7;
  for (int i = 0; i < card.level; ++i) {
    const double x = p.x + p.w / 2.0 + (i - (card.level - 1) / 2.0) * 9;
    for (int k = 0; k < 10; ++k) {
      const double a = -Pi / 2 + k * Pi / 5, r = k % 2 ? 1.5 : 3.6;
      if (k == 0)
        cairo_move_to(cr, x + r * std::cos(a), starY + r * std::sin(a));
      else
        cairo_line_to(cr, x + r * std::cos(a), starY + r * std::sin(a));
    }
    cairo_close_path(cr);
  }
  SetColour(cr, Rgb8(92, 60, 18));
  cairo_fill(cr);
}

void LevelPips(cairo_t* cr, const FamilyLook& look, const CardLayout& l, int level) {
  for (int i = 0; i < level; ++i) {
    const double x = l.width / 2.0 + (i - (level - 1) / 2.0) * 3.5;
    cairo_move_to(cr, x, l.pipY - 1.5);
    cairo_line_to(cr, x + 1.5, l.pipY);
    cairo_line_to(cr, x, l.pipY + 1.5);
    cairo_line_to(cr, x - 1.5, l.pipY);
    cairo_close_path(cr);
  }
  SetColour(cr, level >= 3 ? Gold[0] : Mix(look.paint.glow, Rgb8(255, 255, 255), 0.5));
  cairo_fill(cr);
}

std::string UpperAscii(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

FamilyLook LookOfFamily(int family, const std::string& title) {
  FamilyLook look;
  look.motif = MotifForTitle(title, family);
  const FamilyColours c = ColoursOfFamily(family);
  look.paint = MotifPaint{c.body, c.accent, c.glow, c.ink, 0.1};
  look.backTop = c.backTop;
  look.backBottom = c.backBottom;
  look.pattern = family % 6;
  return look;
}

RgbPicture DrawCardPicture(const CardArt& card, bool big) {
  const CardLayout& l = big ? BigLayout : SmallLayout;
  ArtCanvas canvas(l.width, l.height);
  cairo_t* cr = canvas.Cr();
  FamilyLook look = LookOfFamily(card.family, card.familyTitle);
  const int level = std::clamp(card.level, 1, 4);
  Background(cr, look, l, level);
  Stage(cr, look, l, level);
  if (level >= 4) Aura(cr, look, l);
  // The young (level 1) stand small in the middle; the grand fill the picture.
  static const double grow[4] = {0.8, 0.9, 0.97, 1.0};
  const double radius = l.artRadius * grow[level - 1];
  look.paint.px = 1.0 / radius * (big ? 1.4 : 1.0);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, l.width, l.plate.y);
  cairo_clip(cr);
  cairo_translate(cr, l.artX, l.artY + (l.artRadius - radius) * 0.6);
  cairo_scale(cr, radius, radius);
  const bool court = !DrawsItsOwnCourt(look.motif);
  DrawMotif(cr, look.motif, look.paint, level - 1);
  if (court && NameHas(card.name, {"SWARM", "COLONY", "PACK", "TWIN", "THOUSAND", "AVENUE", "STORM"})) {
    // Its kin at its feet, smaller, one to each side.
    for (int side : {-1, 1}) {
      cairo_save(cr);
      cairo_translate(cr, 0.7 * side, 0.5);
      cairo_scale(cr, 0.42, 0.42);
      MotifPaint kin = look.paint;
      kin.px /= 0.42;
      kin.body = Scale(kin.body, 0.8);
      DrawMotif(cr, look.motif, kin, level - 1);
      cairo_restore(cr);
    }
  }
  if (court && NameHas(card.name, {"EMPRESS", "SOVEREIGN", "MONARCH", "KING", "QUEEN", "EMPEROR", "LORD", "BARON",
                                   "DUCHESS", "COUNTESS", "PATRIARCH"}))
    Regalia(cr, look.paint);
  cairo_restore(cr);
  if (!big) LevelPips(cr, look, l, level);
  Plate(cr, card, l);
  Frame(cr, look, l, level);
  return canvas.Opaque();
}

std::string SmallCardPath(const std::string& name) { return "GFX\\CARDS\\SET 1\\CARDS SMALL\\" + name + ".QXG"; }
std::string BigCardPath(const std::string& name) { return "GFX\\CARDS\\SET 1\\CARDS BIG\\BIG_" + name + ".QXG"; }

bool UsableAsPictureName(const std::string& name) {
  if (name.empty()) return false;
  for (char c : name)
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32 || c == 127) return false;
  return true;
}

bool CardArtList(std::vector<CardArt>& cards, std::string& error) {
  if (!LoadAssetTables(error)) return false;
  const auto& rows = CardRows();
  const auto& families = FamilyRows();
  const int q = static_cast<int>(rows.size() / 4);
  if (q == 0 || static_cast<int>(families.size()) < q) {
    error = "the card tables hold " + std::to_string(rows.size()) + " cards and " + std::to_string(families.size()) +
            " families";
    return false;
  }
  cards.clear();
  for (const CardRow& row : rows) {
    CardArt art;
    art.name = UpperAscii(row.name);
    if (!UsableAsPictureName(art.name)) {
      error = "card " + std::to_string(row.id) + " has a name that cannot name its picture files: '" + art.name + "'";
      return false;
    }
    art.level = std::clamp(row.level, 1, 4);
    art.family = (row.id - 1) % q;
    art.familyTitle = families[static_cast<std::size_t>(art.family)].title;
    cards.push_back(std::move(art));
  }
  return true;
}

bool ForgeCardPictures(ForgeOutput& out) {
  std::vector<CardArt> cards;
  std::string error;
  if (!CardArtList(cards, error)) {
    std::fprintf(stderr, "duskhaven-forge: card pictures: %s\n", error.c_str());
    return false;
  }
  for (const CardArt& card : cards) {
    if (!WritePngPicture(out, SmallCardPath(card.name), DrawCardPicture(card, false)) ||
        !WritePngPicture(out, BigCardPath(card.name), DrawCardPicture(card, true)))
      return false;
  }
  return true;
}
