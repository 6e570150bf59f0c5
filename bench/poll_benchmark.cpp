#include <benchmark/benchmark.h>

#include "app/form1.h"
#include "sim/sim_system.h"

namespace {

using tarnwick::Point;

// The cost of one unchanged poll tick: what every quarter second costs an idle desktop.
void BM_UnchangedPollTick(benchmark::State& state) {
  tarnwick::sim::SimSystem sim;
  tarnwick::sim::SimDesktop& desktop = sim.desktop;
  tarnwick::Platform platform = sim.AsPlatform();
  desktop.AddWindow("Editor", {0, 0, 800, 600});
  tarnwick::Form1 form(platform);
  form.Start();
  desktop.RunFor(2000);
  for (auto _ : state) form.Timer1_Timer();
}
BENCHMARK(BM_UnchangedPollTick);

// A whole cycle: the tick that finds a new titled window three levels deep, then the
// hover timer's tick that activates its top-level window.
void BM_ChangedPollCycle(benchmark::State& state) {
  tarnwick::sim::SimSystem sim;
  tarnwick::sim::SimDesktop& desktop = sim.desktop;
  tarnwick::Platform platform = sim.AsPlatform();
  const tarnwick::WindowHandle left = desktop.AddWindow("Editor", {0, 0, 400, 600});
  const tarnwick::WindowHandle pane = desktop.AddWindow("", {0, 0, 400, 600}, left);
  desktop.AddWindow("", {0, 0, 400, 600}, pane);
  desktop.AddWindow("Terminal", {400, 0, 800, 600});
  tarnwick::Form1 form(platform);
  form.Start();
  desktop.RunFor(2000);
  bool onLeft = false;
  for (auto _ : state) {
    onLeft = !onLeft;
    desktop.UserMovesCursor(onLeft ? Point{100, 100} : Point{600, 100});
    form.Timer1_Timer();
    form.Timer2_Timer();
  }
}
BENCHMARK(BM_ChangedPollCycle);

}  // namespace

BENCHMARK_MAIN();
