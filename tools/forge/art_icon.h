// art_icon.h -- the game's desktop icon: a night-blue tile with a card under a crescent moon.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The icon drawn once as vector paths and once as a 256 x 256 RGBA picture; the same drawing
// makes both, so the launcher's sizes all look alike. False with the reason in `error`.
bool DrawIconSvg(std::vector<std::uint8_t>& bytes, std::string& error);
bool DrawIconPng(std::vector<std::uint8_t>& bytes, std::string& error);

// Writes the icon to `path`: scalable when it ends in ".svg", 256 px when in ".png".
bool WriteGameIcon(const std::string& path, std::string& error);
