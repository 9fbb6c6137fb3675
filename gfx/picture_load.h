// picture_load.h -- LoadImageFile: a picture file decoded and converted into an Image, with the error boxes.
#pragma once

#include <string>
#include <string_view>

#include "core/image.h"

// `path` is a game path (relative to the install directory) or an absolute one. True with the
// picture's new pixels (the old ones are freed). A missing or undecodable file
// shows a box naming it and leaves a 0 x 0 picture owning a small block;
// an empty path shows nothing and leaves the picture unchanged.
bool LoadImageFile(std::wstring_view path, Image& image, bool dither);

// The box text of a picture that cannot be used (missing, empty, cut short or
// garbage alike), with the path as the file system names it.
std::wstring NotFoundText(std::wstring_view path);
// The same for the game's standard box: when the whole path does not fit,
// its leading folders become "..." so that the file's name stays in view.
std::wstring NotFoundBoxText(std::wstring_view path);
// A text with its "/n" read as line breaks.
std::wstring GameLines(std::wstring_view text);
// A game path as the player's file system names it.
std::wstring ShownPath(std::wstring_view path);
