// duel_play.cpp -- one duel from dealt decks to result, turn by turn, as the match plays it.
#include "tools/tool/duel_play.h"

#include <ctime>

#include "engine/attack_rules.h"
#include "engine/board.h"
#include "engine/computer_opponent.h"
#include "engine/fight.h"
#include "engine/hand.h"

namespace {

// No duel lasts longer: every turn places a card, draws one or passes with
// nothing left, so 22 free cells and 32 cards end it well before this.
constexpr int TurnLimit = 200;

struct Duel {
  const DuelPlan& plan;
  DuelContext& context;
  std::string& out;
  Board board;
  Hand hands[2];
  Pile piles[2];
  Side currentSide = 0;

  void WriteCell(int x, int y) {
    out += std::to_string(x);
    out += ',';
    out += std::to_string(y);
  }

  template <typename F>
  bool Timed(F&& decide) {
    if (!plan.times) return decide();
    double start = ThreadCpuSeconds();
    bool ok = decide();
    double s = ThreadCpuSeconds() - start;
    int level = context.Level();
    plan.times->decisions[level] += 1;
    plan.times->totalSeconds[level] += s;
    if (s > plan.times->slowestSeconds[level]) plan.times->slowestSeconds[level] = s;
    return ok;
  }

  void Fight(const char* kind, int ax, int ay, int tx, int ty, Side w) {
    if (!plan.transcript) return;
    out += kind;
    out += ' ';
    WriteCell(ax, ay);
    out += ' ';
    WriteCell(tx, ty);
    out += ' ';
    out += std::to_string(w);
    out += '\n';
  }

  // The attacks after side placed a card at (x, y).
  void Attacks(Side side, int x, int y, int targets) {
    int tx = 0, ty = 0;
    if (targets == 1) {
      FirstAttackTarget(board, x, y, tx, ty);
    } else {
      AttackChoice choice;
      if (!Timed([&] { return plan.deciders.chooseAttack(context, board, side, x, y, choice); })) return;
      tx = choice.x;
      ty = choice.y;
    }
    Side w = ResolveFight(board, x, y, tx, ty);
    Fight("attack", x, y, tx, ty, w);
    int cx, cy;  // the card that chains next
    if (!ChainAfterFight(board, x, y, tx, ty, side, w, false, cx, cy)) return;
    for (;;) {
      Side chainSide = CellOwner(board, cx, cy);
      AttackChoice choice;
      if (!Timed([&] { return plan.deciders.chooseChainAttack(context, board, chainSide, cx, cy, choice); })) return;
      Side cw = ResolveFight(board, cx, cy, choice.x, choice.y);
      Fight("chain", cx, cy, choice.x, choice.y, cw);
      int nx, ny;
      if (!ChainAfterFight(board, cx, cy, choice.x, choice.y, chainSide, cw, true, nx, ny)) return;
      cx = nx;
      cy = ny;
    }
  }

  void Turn(int turn) {
    Side side = currentSide;
    Hand& hand = hands[side];
    Pile& pile = piles[side];
    std::string head;
    if (plan.transcript) head = std::to_string(turn) + ' ' + std::to_string(side) + ' ';
    MoveChoice move;
    // A side with nothing in hand and nothing to draw passes.
    bool ok = (hand.Count() > 0 || !pile.Empty()) &&
              Timed([&] { return plan.deciders.chooseMove(context, board, hand, pile.count, side, move); });
    if (!ok) {
      if (plan.transcript) out += head + "pass\n";
      return;
    }
    if (move.slot == TakeCardSlot) {
      Card drawn;
      pile.Pop(drawn);
      hand.Add(drawn);
      if (plan.transcript) out += head + "draw " + std::to_string(drawn.id) + '\n';
      return;
    }
    Card card;
    hand.Take(move.slot, card);
    if (plan.transcript) {
      out += head + "place " + std::to_string(move.slot) + ' ' + std::to_string(card.id) + ' ';
      WriteCell(move.x, move.y);
      out += ' ' + std::to_string(move.score) + '\n';
    }
    int targets = ThreatCount(board, card, move.x, move.y, side);
    PlaceCard(board, card, move.x, move.y, side);
    if (targets > 0) Attacks(side, move.x, move.y, targets);
  }
};

}  // namespace

double ThreadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

bool PlayDealtDuel(std::uint32_t seed, const Deck decks[2], int blocks, int cardCount, const DuelPlan& plan,
                   RandomStream& random, std::string& transcript, DuelOutcome& outcome, std::string& error) {
  DuelContext context(random);
  Duel duel{plan, context, transcript, {}, {}, {}, 0};
  for (int s = 0; s < 2; ++s) DealSide(decks[s], duel.hands[s], duel.piles[s], random);
  duel.currentSide = static_cast<Side>(random.Below(2));
  ResetBoard(duel.board, blocks, random);
  duel.currentSide = Opponent(duel.currentSide);
  context.aiLevel = static_cast<std::int8_t>(plan.sides[duel.currentSide].opponentClass);

  if (plan.transcript) {
    transcript += "duel " + std::to_string(seed) + " blocks " + std::to_string(blocks) + " first " +
                  std::to_string(duel.currentSide) + '\n';
    for (int s = 0; s < 2; ++s) {
      transcript += "deck " + std::to_string(s);
      for (const Card& c : decks[s].slots) transcript += ' ' + std::to_string(c.id);
      transcript += '\n';
    }
    transcript += "blocked";
    for (int x = 0; x < BoardColumns; ++x)
      for (int y = 0; y < BoardRows; ++y)
        if (!duel.board.At(x, y).free) {
          transcript += ' ';
          duel.WriteCell(x, y);
        }
    transcript += '\n';
  }

  int turn = 1;
  while (!BoardFull(duel.board)) {
    if (turn > TurnLimit) {
      error = "duel " + std::to_string(seed) + " did not end";
      return false;
    }
    duel.Turn(turn++);
    if (BoardFull(duel.board)) break;
    duel.currentSide = Opponent(duel.currentSide);
    context.aiLevel = static_cast<std::int8_t>(plan.sides[duel.currentSide].opponentClass);
  }

  outcome = DecideOutcome(duel.board, false);
  std::int16_t rewards[5] = {0, 0, 0, 0, 0};
  int picked = 0;
  if (outcome.rewardCount > 0) {
    Side loser = outcome.result == 0 ? 1 : 0;
    picked = PickRewardCards(duel.board, loser, outcome.rewardCount, cardCount, rewards, random);
  }
  if (plan.transcript) {
    transcript += "end " + std::to_string(outcome.count0) + ' ' + std::to_string(outcome.count1) + " result " +
                  std::to_string(outcome.result) + " perfect " + (outcome.perfect ? "1" : "0") + " rewards";
    for (int k = picked; k >= 1; --k) transcript += ' ' + std::to_string(rewards[k]);
    transcript += '\n';
  }
  return true;
}
