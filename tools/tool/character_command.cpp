// character_command.cpp -- character: writes a character save file, a new one or one that has done everything.
#include <cstdio>
#include <string>
#include <vector>

#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "platform/file_system.h"
#include "tools/tool/commands.h"

namespace {

// A name as the character screen's keyboard allows it: capitals, digits and spaces, 1 to 16 of them.
bool KeyboardName(const std::string& name) {
  if (name.empty() || name.size() > 16) return false;
  for (char c : name)
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ')) return false;
  return true;
}

}  // namespace

int RunCharacterCommand(Arguments& args) {
  args.AllowValue("data");
  args.AllowValue("out");
  args.AllowValue("name");
  args.AllowValue("slot");
  args.AllowValue("credits");
  args.AllowValue("deck");
  args.AllowValue("copies");
  args.AllowFlag("gate");
  if (!args.Check(0)) return ToolFailure("character: " + args.Error());
  platform::SetInstallDir(args.Value("data", "."));
  if (!args.Has("out")) return ToolFailure("character: the file to write is missing (--out FILE)");
  const std::string name = args.Value("name", "ACE");
  if (!KeyboardName(name)) return ToolFailure("character: --name takes 1 to 16 capitals, digits or spaces");
  long long slot = 1, credits = 0;
  if (!ParseNumber(args.Value("slot", "1"), 1, 3, slot)) return ToolFailure("character: --slot takes 1, 2 or 3");
  const bool gate = args.Has("gate");
  const std::string defaultCredits = gate ? "50000" : "700";
  if (!ParseNumber(args.Value("credits", defaultCredits), 0, 2147483647, credits))
    return ToolFailure("character: --credits takes 0 .. 2147483647");
  long long copies = 1;
  if (!ParseNumber(args.Value("copies", "1"), 1, 127, copies)) return ToolFailure("character: --copies takes 1 .. 127");
  const std::string deck = args.Value("deck", "strong");
  if (deck != "strong" && deck != "weak") return ToolFailure("character: --deck takes strong or weak");
  if (!OpenCardDatabase())
    return ToolFailure("character: no card database under '" + platform::InstallDir() + "': " + CardDatabaseProblem());

  PlayerRecord record;
  ResetPlayer(record);
  record.name.assign(name.begin(), name.end());
  record.slot = static_cast<std::uint8_t>(slot);
  record.credits = static_cast<std::int32_t>(credits);
  DuelStatistics stats;
  if (gate) {
    // Everything the Hell gate asks for: every card (--copies of each), a full deck,
    // a win against each of the 45 opponents and every tournament won.
    for (int id = 1; id <= CardCount(); ++id)
      for (long long k = 0; k < copies; ++k) AddCopy(record, id);
    for (int k = 0; k < DeckSize; ++k) {
      const int id = deck == "strong" ? CardCount() - k : k + 1;
      if (!AddToDeck(record, id, false)) return ToolFailure("character: card " + std::to_string(id) + " left the deck");
    }
    for (auto& opponents : stats.opponents)
      for (OpponentResults& r : opponents) r.victories = 1;
    for (int c = 0; c < OpponentClasses; ++c) {
      stats.tourneysWon[c] = 1;
      stats.tourneysPlayed[c] = 1;
    }
  }
  const std::string out = platform::AbsoluteHostPath(args.Value("out"));
  if (!platform::WriteFileAtomically(out, EncodeCharacterFile(record, stats)))
    return ToolFailure("character: cannot write '" + args.Value("out") + "'");
  std::printf("character %s written to %s\n", name.c_str(), args.Value("out").c_str());
  return 0;
}
