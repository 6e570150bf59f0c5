#pragma once
#include "seam/platform.h"
#include "sim/sim_desktop.h"
#include "sim/sim_files.h"
#include "sim/sim_form_window.h"
#include "sim/sim_settings.h"
#include "sim/sim_shell.h"
#include "sim/sim_system_facts.h"
#include "sim/sim_text_rules.h"

namespace tarnwick::sim {

// The simulated desktop and the fakes beside it, set up as one: what a test hands the
// program. The facts read the desktop's clock and foreground, so it stays in place. A test
// that watches the desktop names its own kind of desktop.
template <class Desktop>
struct BasicSimSystem {
  BasicSimSystem() = default;
  BasicSimSystem(const BasicSimSystem&) = delete;
  BasicSimSystem& operator=(const BasicSimSystem&) = delete;

  Desktop desktop;
  SimSettings settings;
  SimShell shell;
  SimFormWindow form;
  SimFiles files;
  SimTextRules textRules;
  SimFacts facts{desktop};

  // Everything as it was at construction, in the same places, so a Platform still holds.
  void Reset() {
    desktop = Desktop();
    settings = SimSettings();
    shell = SimShell();
    form = SimFormWindow();
    files = SimFiles();
    facts = SimFacts(desktop);
  }
  Platform AsPlatform() {
    return Platform{settings, desktop, desktop,   shell, desktop, form,
                    files,    desktop, textRules, facts, desktop};
  }
};

using SimSystem = BasicSimSystem<SimDesktop>;

}  // namespace tarnwick::sim
