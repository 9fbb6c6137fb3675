// room_report.h -- the character's cards as lines of a scripted run's state dump.
#pragma once

#include <string>

// "cards = ...", "deck = ..." and "tradeBox = ..." lines for CurrentPlayer.
std::string CollectionReport();
