// room_boxes.h -- the message boxes of the club's rooms, and a way for tests to answer them without the stylus.
#pragma once

#include <string>
#include <string_view>

#include "gfx/message_box.h"

// A test that drives a room without a person installs an answerer: it is
// told each box and gives the button (true = left) instead of the box waiting
// for the stylus. Boxes without buttons are only told.
using RoomBoxAnswerer = bool (*)(const std::wstring& text, const std::wstring& left, const std::wstring& right);
void SetRoomBoxAnswerer(RoomBoxAnswerer answerer);

// `layout` grown upwards a line at a time (up to the screen's top) until the
// text fits; its bottom edge and buttons stay where they were.
MessageBoxLayout GrownToFit(std::wstring_view text, std::wstring_view left, std::wstring_view right,
                            MessageBoxLayout layout);
bool RoomBox(std::wstring_view text, std::wstring_view left, std::wstring_view right, const MessageBoxLayout& layout);
// The standard layout (40, 120) 160 x 80 with the single button "Ok". In these
// three, a text too long for the box grows it upwards; its buttons stay put.
void RoomOkBox(std::wstring_view text);
// The question layout: "Cancel" on the left, "Ok" on the right; true for "Ok".
bool RoomOkCancelBox(std::wstring_view text);
// The tutorial's boxes: "Ok" only, at (20, 40), 200 x 200.
void RoomTutorialBox(std::wstring_view text);
