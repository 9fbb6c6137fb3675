// art_motifs.h -- the drawn creatures and emblems the card families are made of.
#pragma once

#include <string>

#include "tools/forge/art_canvas.h"

enum class Motif {
  Moth,
  Figure,
  Bat,
  Ghost,
  Cabinet,
  Owl,
  Fox,
  Ball,
  Glass,
  Moon,
  Mask,
  Serpent,
  Dice,
  Record,
  Spotlight,
  Saxophone,
  Gargoyle,
  Bird,
  Hearts,
  Keys,
  Sign,
  Wheel,
  Lipstick,
  Robot,
  Spider,
  Cloud,
  Rat,
  LavaLamp,
  Car,
  Flame,
  Crown,
  Clock,
  Rose,
  Lightning,
  Star,
  Fish,
  TopHat,
  Fangs,
  Chandelier,
  Curtain,
  Camera,
  Shoe,
  Dragon,
  Cat,
  Cassette,
  Bottle,
  Bug,
  Wolf,
  Jellyfish,
  Dancers,
  Train,
  Lamp,
  Eye,
  // Families of their own since every family has its own picture.
  Bouncer,
  VeiledDancer,
  DiscJockey,
  CigaretteGirl,
  Bartender,
  Fairy,
  Crooner,
  Imp,
  Harlequin,
  Mime,
  Magician,
  Croupier,
  Hologram,
  Shadow,
  Banshee,
  VinylGhost,
  MoonCat,
  Cicada,
  Panther,
  Flamingo,
  DrumMachine,
  SlotMachine,
  Pearl,
  Scorpion,
  Champagne,
  Gecko,
  Wisp,
  Laser,
  RollerSkate,
  Motorbike,
  Piano,
  Graffiti,
  Poltergeist,
  Limousine,
  Hourglass,
  Eclipse,
  Shaker,
  Count
};

constexpr int MotifCount = static_cast<int>(Motif::Count);

// The colours a motif is painted in.
struct MotifPaint {
  Colour body;    // the main mass
  Colour accent;  // details: eyes, rims, stripes
  Colour glow;    // neon light around and inside
  Colour ink;     // outlines
  double px;      // one picture pixel in motif units
};

// Draws the motif centred on (0, 0) within a radius of about 1, y pointing down;
// the caller sets the transform. variant is the card's level - 1 (0..3): the
// motif grows props and details with it.
void DrawMotif(cairo_t* cr, Motif motif, const MotifPaint& paint, int variant);

// The motif drawn for a family's title ("Neon Moth" -> Moth): every family of
// the club has its own; titles without a known word fall back to a motif
// chosen from the family number.
Motif MotifForTitle(const std::string& title, int family);
