#include <benchmark/benchmark.h>

#include "app/form1.h"
#include "platform/sim/sim_desktop.h"

namespace {

// The cost of one unchanged poll tick: what every quarter second costs an idle desktop.
void BM_UnchangedPollTick(benchmark::State& state) {
  tarnwick::sim::SimDesktop desktop;
  tarnwick::Platform platform = desktop.AsPlatform();
  desktop.AddWindow("Editor", {0, 0, 800, 600});
  tarnwick::Form1 form(platform);
  form.Start();
  desktop.RunFor(2000);
  for (auto _ : state) form.Timer1_Timer();
}
BENCHMARK(BM_UnchangedPollTick);

}  // namespace

BENCHMARK_MAIN();
