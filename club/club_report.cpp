// club_report.cpp -- the club's lines of a scripted run's state dump.
#include <cstdio>
#include <sstream>
#include <vector>

#include "club/club_internal.h"
#include "data/player_record.h"
#include "data/save_bytes.h"
#include "platform/text_utf8.h"

std::string ClubReport() {
  const Club& c = GameClub;
  std::ostringstream out;
  out << "clubScreen = " << static_cast<int>(c.currentScreen) << "\n";
  out << "clubNextScreen = " << static_cast<int>(c.nextScreen) << "\n";
  out << "clubPosition = " << c.position << "\n";
  out << "clubRoom = " << c.currentRoom << "\n";
  out << "clubWalk = " << static_cast<int>(c.walkDirection) << "\n";
  out << "clubReady = " << (c.ready ? 1 : 0) << "\n";
  out << "clubFade = entering " << (c.entering ? 1 : 0) << ", opening " << (c.opening ? 1 : 0) << ", counter "
      << static_cast<int>(c.fadeCounter) << ", into room " << (c.enterRoom ? 1 : 0) << "\n";
  out << "clubTyping = " << (c.typing ? 1 : 0) << ", typed " << (c.typingDone ? 1 : 0) << ", slid "
      << (c.slideDone ? 1 : 0) << ", char " << c.charIndex << ", title " << c.titleOffset << "\n";
  out << "tutorial = step " << static_cast<int>(c.tutorialStep) << ", active " << (c.tutorialActive ? 1 : 0) << "\n";
  out << "character = " << platform::ToUtf8(CurrentPlayer.name) << ", slot " << static_cast<int>(CurrentPlayer.slot)
      << ", credits " << CurrentPlayer.credits << "\n";
  out << "clubScreensOpen = " << OpenClubScreens() << "\n";
  if (const ClubScreenBase* screen = ScreenFor(c.currentScreen)) out << screen->Report();
  // The whole stored record, to compare a resumed run with an uninterrupted one.
  std::vector<std::uint8_t> bytes;
  ByteWriter writer(bytes);
  WriteClubState(writer);
  out << "clubRecord =";
  for (std::uint8_t b : bytes) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02x", b);
    out << hex;
  }
  out << "\n";
  return out.str();
}
