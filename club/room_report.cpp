// room_report.cpp -- the character's collection, deck and trade box in the state dump.
#include "club/room_report.h"

#include <sstream>

#include "data/card_database.h"
#include "data/player_record.h"

std::string CollectionReport() {
  const PlayerRecord& p = CurrentPlayer;
  std::ostringstream out;
  const int q = CardCount() / 4;
  out << "cards = total " << p.cardTotal << ", distinct " << DistinctCards(p) << ", by level";
  for (int level = 1; level <= 4; ++level) {
    int n = 0;
    for (int id = (level - 1) * q + 1; id <= level * q; ++id) n += CopiesOf(p, id);
    out << " " << n;
  }
  out << "\ndeck = " << static_cast<int>(p.deck.count) << ":";
  for (const Card& c : p.deck.slots) out << " " << c.id;
  out << "\ntradeBox = " << TradeBoxCount(p) << ":";
  for (int i = 0; i < TradeBoxCount(p); ++i) out << " " << TradeBoxAt(p, i);
  out << "\n";
  return out.str();
}
