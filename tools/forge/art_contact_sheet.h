// art_contact_sheet.h -- one picture of every card for review: per family a row of four levels, each level's big
// picture beside its small one, plain, then as side 0 and side 1 hold it on the board (tinted plate, power icons).
#pragma once

#include <string>

#include "tools/forge/art_canvas.h"

bool DrawContactSheet(RgbPicture& sheet, std::string& error);
// Draws the sheet and writes it as a PNG file at path (a file system path).
bool WriteContactSheet(const std::string& path, std::string& error);
