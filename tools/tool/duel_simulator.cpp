// duel_simulator.cpp -- duels seeded one by one, with decks generated from the card database.
#include "tools/tool/duel_simulator.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "core/random.h"
#include "data/card_database.h"
#include "data/roster.h"

namespace {

bool DeckIsSound(const Deck& deck, int cardCount) {
  for (int i = 0; i < DeckSize; ++i) {
    int id = deck.slots[i].id;
    if (id < 1 || id > cardCount) return false;
    for (int j = 0; j < i; ++j)
      if (deck.slots[j].id == id) return false;
  }
  return true;
}

}  // namespace

bool PlayDuel(std::uint32_t seed, const DuelPlan& plan, std::string& transcript, DuelOutcome& outcome,
              std::string& error) {
  int cardCount = CardCount();
  if (cardCount < 4) {
    error = "the card database holds " + std::to_string(cardCount) + " cards, too few for a deck";
    return false;
  }
  for (const DuelSidePlan& side : plan.sides) {
    std::string problem = OpponentDeckProblem(side.opponentClass, side.tier);
    if (!problem.empty()) {
      error = problem;
      return false;
    }
  }
  RandomStream random(seed);
  int blocks = random.Below(5) + 2;
  Deck decks[2];
  for (int s = 0; s < 2; ++s) {
    if (!BuildOpponentDeck(decks[s], plan.sides[s].opponentClass, plan.sides[s].tier, random) ||
        !DeckIsSound(decks[s], cardCount)) {
      error = "the card database (" + std::to_string(cardCount) + " cards) is damaged: no full deck for class " +
              std::to_string(plan.sides[s].opponentClass) + " tier " + std::to_string(plan.sides[s].tier) + " (duel " +
              std::to_string(seed) + ")";
      return false;
    }
  }
  return PlayDealtDuel(seed, decks, blocks, cardCount, plan, random, transcript, outcome, error);
}

namespace {

// One finished duel, waiting for its turn to be told.
struct PlayedDuel {
  bool ok = false;
  std::string transcript, error;
  DuelOutcome outcome;
};

void Count(DuelTally& tally, const DuelOutcome& outcome) {
  ++tally.duels;
  if (outcome.result == 2)
    ++tally.ties;
  else
    ++tally.wins[outcome.result];
}

void AddTimes(DecisionTimes& into, const DecisionTimes& from) {
  for (int c = 0; c < 3; ++c) {
    into.decisions[c] += from.decisions[c];
    into.totalSeconds[c] += from.totalSeconds[c];
    into.slowestSeconds[c] = std::max(into.slowestSeconds[c], from.slowestSeconds[c]);
  }
}

// The seeds are played batch by batch: the threads take the duels of a batch
// one at a time, then the batch is told in seed order. A batch holds enough
// duels per thread that waiting for its slowest duel costs little.
constexpr std::uint64_t DuelsPerJobInBatch = 64;

bool PlayDuelsOnThreads(std::uint32_t first, std::uint64_t count, const DuelPlan& plan, int jobs,
                        const std::function<void(const std::string&)>& sink, DuelTally& tally, std::string& error) {
  const std::uint64_t batchSize = DuelsPerJobInBatch * static_cast<std::uint64_t>(jobs);
  std::vector<PlayedDuel> batch(static_cast<std::size_t>(std::min(count, batchSize)));
  // Each thread times its own decisions; the sums are added up afterwards.
  std::vector<DecisionTimes> times(static_cast<std::size_t>(jobs));
  std::vector<DuelPlan> plans(static_cast<std::size_t>(jobs), plan);
  for (int j = 0; j < jobs; ++j)
    plans[static_cast<std::size_t>(j)].times = plan.times ? &times[static_cast<std::size_t>(j)] : nullptr;

  bool ok = true;
  for (std::uint64_t done = 0; done < count && ok; done += batch.size()) {
    const std::uint64_t size = std::min<std::uint64_t>(batchSize, count - done);
    batch.resize(static_cast<std::size_t>(size));
    const auto batchFirst = static_cast<std::uint32_t>(first + done);  // wraps like the seed itself
    std::atomic<std::uint64_t> next{0};
    const auto work = [&](const DuelPlan& own) {
      for (std::uint64_t i; (i = next.fetch_add(1)) < size;) {
        PlayedDuel& d = batch[static_cast<std::size_t>(i)];
        d.transcript.clear();
        d.error.clear();
        d.ok = PlayDuel(static_cast<std::uint32_t>(batchFirst + i), own, d.transcript, d.outcome, d.error);
      }
    };
    std::vector<std::thread> helpers;
    for (int j = 1; j < jobs; ++j) helpers.emplace_back(work, std::cref(plans[static_cast<std::size_t>(j)]));
    work(plans[0]);
    for (std::thread& t : helpers) t.join();
    for (PlayedDuel& d : batch) {
      if (!d.ok) {
        error = d.error;
        ok = false;
        break;
      }
      Count(tally, d.outcome);
      if (plan.transcript && sink) sink(d.transcript);
    }
  }
  if (plan.times)
    for (const DecisionTimes& t : times) AddTimes(*plan.times, t);
  return ok;
}

}  // namespace

bool PlayDuels(std::uint32_t first, std::uint64_t count, const DuelPlan& plan,
               const std::function<void(const std::string&)>& sink, DuelTally& tally, std::string& error, int jobs) {
  jobs = std::clamp(jobs, 1, MaxDuelJobs);
  if (jobs > 1 && count > 1) {
    if (!PlayDuelsOnThreads(first, count, plan, jobs, sink, tally, error)) return false;
  } else {
    std::string transcript;
    std::uint32_t seed = first;
    for (std::uint64_t i = 0; i < count; ++i, ++seed) {
      transcript.clear();
      DuelOutcome outcome;
      if (!PlayDuel(seed, plan, transcript, outcome, error)) return false;
      Count(tally, outcome);
      if (plan.transcript && sink) sink(transcript);
    }
  }
  if (sink) sink(SummaryLine(tally) + '\n');
  return true;
}

std::string SummaryLine(const DuelTally& tally) {
  return "summary duels " + std::to_string(tally.duels) + " red " + std::to_string(tally.wins[0]) + " blue " +
         std::to_string(tally.wins[1]) + " ties " + std::to_string(tally.ties);
}
