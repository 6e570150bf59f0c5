#include <array>
#include <string>
#include <utility>

#include "app/form1.h"
#include "common/text_lines.h"
#include "hotkeys/help_lines.h"

namespace tarnwick {

void Form1::LoadOptions() {
  Options loaded = store.LoadOptions();
  focus.OptionsChanged();
  options_ = std::move(loaded);
  wrap.SetPushOnly(options_.wrapOnlyOnPush);
  ShowChordsInHelp();
}

bool Form1::ApplyOptions(const Options& proposed) {
  Options accepted = proposed;
  // Blank lines are no rules, and a rule's own line ends are lines of their own.
  accepted.exclusions = SplitLines(JoinLines(proposed.exclusions));
  if (const auto refusal = OptionsStore::Refusal(accepted)) {
    platform_.shell.ShowMessage(kApplicationName, *refusal, MessageKind::kWarning);
    return false;
  }
  focus.OptionsChanged();
  options_ = std::move(accepted);
  wrap.SetPushOnly(options_.wrapOnlyOnPush);
  store.SaveOptions(options_);
  ShowChordsInHelp();
  return true;
}

void Form1::Options_Click() {
  platform_.form.ShowOptions();
}

void Form1::SetHoldKeyMode(HoldKeyMode mode) {
  focus.SetHoldKeyMode(mode);
  ShowChordsInHelp();
  ShowHoldInTray();
}

void Form1::ShowChordsInHelp() {
  // The first line says how focus-follow works; held to follow, it names the key.
  if (focus.HoldKeyModeInForce() == HoldKeyMode::kFollow && options_.pauseKey != PauseKey::kNone) {
    Label1[0].SetCaption(std::string("Tarnwick sets the focus of an application as your mouse "
                                     "passes over it while you hold ") +
                         PauseKeyName(options_.pauseKey) + ".");
  } else {
    Label1[0].SetCaption(kFocusHelpLine);
  }
  const std::array<std::string, 4> lines = ChordHelpLines(options_.hotkeys);
  for (size_t i = 0; i < lines.size(); ++i) Label1[i + 1].SetCaption(lines[i]);
}

}  // namespace tarnwick
