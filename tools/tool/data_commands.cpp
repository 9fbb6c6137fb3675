// data_commands.cpp -- cards, info, roster and save: the data set and save files in plain text.
#include <cstdio>
#include <string>
#include <vector>

#include "data/card_database.h"
#include "data/roster.h"
#include "data/save_file.h"
#include "platform/file_system.h"
#include "tools/tool/commands.h"

namespace {

// The game's one byte per character (Latin-1) as UTF-8 for the terminal.
std::string Utf8(const std::wstring& text) {
  std::string out;
  for (wchar_t w : text) {
    auto c = static_cast<std::uint32_t>(w) & 0xFFu;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0u | (c >> 6));
      out += static_cast<char>(0x80u | (c & 0x3Fu));
    }
  }
  return out;
}

std::string Utf8(const CardName& name) { return Utf8(name.Wide()); }

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// "key value", or the key alone when the value is empty.
std::string KeyLine(const std::string& key, const std::string& value) {
  return value.empty() ? key + "\n" : key + " " + value + "\n";
}

// Reads --data DIR (the current folder by default) and opens the card database.
int OpenData(const char* command, Arguments& args, std::size_t positional) {
  args.AllowValue("data");
  if (!args.Check(positional)) return ToolFailure(std::string(command) + ": " + args.Error());
  platform::SetInstallDir(args.Value("data", "."));
  return 0;
}

int OpenCards(const char* command) {
  if (OpenCardDatabase()) return 0;
  return ToolFailure(std::string(command) + ": no card database under '" + platform::InstallDir() +
                     "': " + CardDatabaseProblem());
}

}  // namespace

int RunCardsCommand(Arguments& args) {
  if (int rc = OpenData("cards", args, 0)) return rc;
  if (int rc = OpenCards("cards")) return rc;
  std::string out;
  for (int id = 1; id <= CardCount(); ++id) {
    Card card = LoadCard(id);
    if (card.id != id) {
      CloseCardDatabase();
      return ToolFailure("cards: the record of card " + std::to_string(id) + " is damaged");
    }
    std::string digits;
    for (int d = 0; d < 8; ++d) digits += static_cast<char>('0' + card.Icon(d));
    out += std::to_string(id) + " " + std::to_string(card.level) + " " + digits + " " + std::to_string(card.price) +
           " " + Utf8(card.name) + "\n";
  }
  CloseCardDatabase();
  Print(out);
  return 0;
}

int RunInfoCommand(Arguments& args) {
  args.AllowValue("id");
  if (int rc = OpenData("info", args, 0)) return rc;
  if (!args.Has("id")) return ToolFailure("info: --id N is required");
  if (int rc = OpenCards("info")) return rc;
  long long id = 0;
  const int count = CardCount();
  if (!ParseNumber(args.Value("id"), 1, count, id)) {
    CloseCardDatabase();
    return ToolFailure("info: --id wants a card number 1.." + std::to_string(count) + ", not '" + args.Value("id") +
                       "'");
  }
  if (!platform::FileExists(CardInfoPath)) {
    CloseCardDatabase();
    return ToolFailure(std::string("info: cannot read ") + CardInfoPath);
  }
  std::wstring text = CardInfoText(static_cast<int>(id));
  CloseCardDatabase();
  Print(Utf8(text) + "\n");
  return 0;
}

int RunRosterCommand(Arguments& args) {
  if (int rc = OpenData("roster", args, 0)) return rc;
  if (!LoadRoster())
    return ToolFailure(std::string("roster: ") + RosterPath + " under '" + platform::InstallDir() +
                       "' is missing or damaged");
  std::string out;
  for (int c = 0; c < 3; ++c) {
    for (int j = 0; j < 15; ++j) {
      const PlayerRecord& r = RosterOpponent(j, c);
      out += std::to_string(c) + " " + std::to_string(j) + " " + std::to_string(r.levelCode) + " " +
             std::to_string(r.profileNumber) + " " + Utf8(r.name) + "|" + Utf8(r.profileText1) + "|" +
             Utf8(r.profileText2) + "|" + Utf8(OpponentDescription(j, c)) + "\n";
    }
  }
  Print(out);
  return 0;
}

int RunSaveCommand(Arguments& args) {
  if (int rc = OpenData("save", args, 1)) return rc;
  if (args.Positional().empty()) return ToolFailure("save: the save file to decode is missing (save FILE)");
  std::string path = platform::AbsoluteHostPath(args.Positional()[0]);
  std::vector<std::uint8_t> bytes;
  if (!platform::ReadWholeFile(path, bytes, 1u << 20))
    return ToolFailure("save: cannot read '" + args.Positional()[0] + "' (missing, unreadable or over 1 MiB)");
  SavedCharacter saved = DecodeCharacterFile(bytes);
  const PlayerRecord& r = saved.record;

  std::string out = KeyLine("valid", saved.valid ? "yes" : "no");
  out += KeyLine("name", Utf8(r.name));
  out += KeyLine("profileNumber", std::to_string(r.profileNumber));
  out += KeyLine("profileText1", Utf8(r.profileText1));
  out += KeyLine("profileText2", Utf8(r.profileText2));
  out += KeyLine("credits", std::to_string(r.credits));
  out += KeyLine("kind", std::to_string(r.kind));
  out += KeyLine("slot", std::to_string(r.slot));
  out += KeyLine("cardTotal", std::to_string(r.cardTotal));
  std::string cards;
  for (int i = 0; i < CollectionSize; ++i) {
    if (r.collection[i] <= 0) continue;
    if (!cards.empty()) cards += ' ';
    cards += std::to_string(i + 1);
    cards += 'x';
    cards += std::to_string(r.collection[i]);
  }
  out += KeyLine("collection", cards);
  std::string deck = std::to_string(saved.deckCount);
  for (std::int16_t id : saved.deckIds) {
    deck += ' ';
    deck += std::to_string(id);
  }
  out += KeyLine("deck", deck);
  if (saved.valid) {
    const DuelStatistics& s = saved.stats;
    for (int c = 0; c < OpponentClasses; ++c)
      for (int j = 0; j < OpponentsPerClass; ++j) {
        const OpponentResults& o = s.opponents[c][j];
        if (o.victories != 0 || o.ties != 0 || o.defeats != 0)
          out += "stats " + std::to_string(c) + " " + std::to_string(j) + " " + std::to_string(o.victories) + " " +
                 std::to_string(o.ties) + " " + std::to_string(o.defeats) + "\n";
      }
    for (int c = 0; c < OpponentClasses; ++c)
      out += "tourneys " + std::to_string(c) + " " + std::to_string(s.tourneysWon[c]) + " " +
             std::to_string(s.tourneysPlayed[c]) + "\n";
    out += "perfects " + std::to_string(s.perfectsRealised) + " " + std::to_string(s.perfectsReceived) + "\n";
  }
  Print(out);
  return 0;
}
