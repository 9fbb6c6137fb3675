// match_boxes.h -- the duel's modal boxes, and a way for scripted tests to answer them.
#pragma once

#include <string>

// What a box asked. A test that drives duels without a person installs an
// answerer: it is told each box and gives the button (true = left) instead
// of the box waiting for the stylus. Boxes without buttons are only told.
using MatchBoxAnswerer = bool (*)(const std::wstring& text, const std::wstring& left, const std::wstring& right);
void SetMatchBoxAnswerer(MatchBoxAnswerer answerer);
