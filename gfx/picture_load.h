// picture_load.h -- LoadImageFile: a picture file decoded and converted into an Image, with the error boxes.
#pragma once

#include <string_view>

#include "core/image.h"

// `path` is the full path (InstallDir + a relative path). True with the
// picture's new pixels (the old ones are freed). A missing or undecodable file
// shows a box naming it and leaves a 0 x 0 picture owning a small block;
// an empty path shows nothing and leaves the picture unchanged.
bool LoadImageFile(std::wstring_view path, Image& image, bool dither);

// The box texts of a picture that cannot be used.
std::wstring NotFoundText(std::wstring_view path);
std::wstring UndecodableText(std::wstring_view path);
