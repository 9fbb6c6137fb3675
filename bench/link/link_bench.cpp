// link_bench.cpp -- the link on loopback: a move's confirmed round trip, and the CPU a device spends waiting.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "link/link.h"
#include "platform/tcp_socket.h"

namespace {

bool Pair(Link& server, Link& client) {
  int listener = platform::TcpListen(0);
  if (listener < 0) return false;
  const std::uint16_t port = platform::LocalPort(listener);
  const int c = platform::TcpConnectWithin("127.0.0.1", port, 1000);
  const int s = platform::TcpAcceptWithin(listener, 1000);
  platform::CloseSocket(listener);
  if (s < 0 || c < 0) return false;
  server.cardCount = client.cardCount = 344;
  LinkAdopt(server, s, RoleServer);
  LinkAdopt(client, c, RoleClient);
  return true;
}

// Two devices linked over loopback for one benchmark, the partner's side (the client) served on a thread
// of its own while the benchmark runs; closed when it ends. A pair that could not be made skips the
// benchmark.
class LoopbackPair {
 public:
  Link server, client;

  explicit LoopbackPair(benchmark::State& state) : linked_(Pair(server, client)) {
    if (!linked_) state.SkipWithError("no loopback sockets");
  }
  ~LoopbackPair() {
    done_ = true;
    if (partner_.joinable()) partner_.join();
    if (linked_) {
      CloseLink(server);
      CloseLink(client);
    }
  }
  LoopbackPair(const LoopbackPair&) = delete;
  LoopbackPair& operator=(const LoopbackPair&) = delete;

  bool Linked() const { return linked_; }
  // Runs `step` on the client over and over until the benchmark ends.
  template <typename Step>
  void Serve(Step step) {
    partner_ = std::thread([this, step] {
      while (!done_) step(client);
    });
  }

 private:
  bool linked_;
  std::atomic<bool> done_{false};
  std::thread partner_;
};

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// One move: PlayCard -> Echo -> Confirm, the partner receiving it as the duel does.
void BM_MoveRoundTrip(benchmark::State& state) {
  LoopbackPair pair(state);
  if (!pair.Linked()) return;
  pair.Serve([](Link& client) {
    LinkMessage m;
    ReceiveConfirmed(client, m, 100);
  });
  for (auto _ : state) {
    if (!SendConfirmed(pair.server, PlayCardMessage(17, 3, 2))) state.SkipWithError("the exchange failed");
  }
}
BENCHMARK(BM_MoveRoundTrip)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One message there and its echo back, without the confirm: the bare round trip over loopback.
void BM_MessageRoundTrip(benchmark::State& state) {
  LoopbackPair pair(state);
  if (!pair.Linked()) return;
  pair.Serve([](Link& client) {
    LinkMessage m;
    if (ReceiveOne(client, m, 100)) SendMessage(client, EchoOf(m));
  });
  const LinkMessage move = PlayCardMessage(17, 3, 2);
  LinkMessage echo;
  for (auto _ : state) {
    if (!SendMessage(pair.server, move) || !ReceiveOne(pair.server, echo, 1000)) state.SkipWithError("no echo came");
  }
}
BENCHMARK(BM_MessageRoundTrip)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A device waiting for its partner's move: the share of one core it uses.
void BM_WaitingForThePartner(benchmark::State& state) {
  LoopbackPair pair(state);
  if (!pair.Linked()) return;
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    const double c0 = CpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    LinkMessage m;
    ReceiveConfirmed(pair.client, m, 1000);
    cpu += CpuSeconds() - c0;
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  }
  state.counters["core_percent"] = wall > 0 ? 100.0 * cpu / wall : 0;
}
BENCHMARK(BM_WaitingForThePartner)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
