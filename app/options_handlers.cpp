#include <array>
#include <string>
#include <utility>

#include "app/form1.h"
#include "hotkeys/help_lines.h"

namespace tarnwick {

void Form1::OptionsChanged() {
  focus.OptionsChanged();
  wrap.SetPushOnly(settings_.wrapOnlyOnPush);
  pointer.SetOn(settings_.pointerFollowsKeyboard);
  ShowChordsInHelp();
  ShowHoldInTray();
}

bool Form1::ApplyOptions(const std::vector<ProposedText>& texts, const Setting** refused) {
  OptionsProposal proposal = OptionsStore::Propose(settings_, texts);
  if (proposal.refusal) {
    platform_.shell.ShowMessage(kApplicationName, proposal.refusal->words, MessageKind::kWarning);
    if (refused != nullptr) *refused = proposal.refusal->row;
    return false;
  }
  static_cast<Options&>(settings_) = std::move(proposal.options);
  OptionsChanged();
  store.SaveOptions(settings_);
  return true;
}

bool Form1::ApplyOptions(const Options& proposed) {
  return ApplyOptions(OptionsStore::Texts(proposed));
}

void Form1::Options_Click() {
  platform_.form.ShowOptions();
}

void Form1::ShowChordsInHelp() {
  // The first line says how focus-follow works; held to follow, it names the key.
  if (settings_.holdKeyMode == HoldKeyMode::kFollow && settings_.pauseKey != PauseKey::kNone) {
    Label1[0].SetCaption(std::string("Tarnwick sets the focus of an application as your mouse "
                                     "passes over it while you hold ") +
                         PauseKeyName(settings_.pauseKey) + ".");
  } else {
    Label1[0].SetCaption(kFocusHelpLine);
  }
  const std::array<std::string, 4> lines = ChordHelpLines(settings_.hotkeys);
  for (size_t i = 0; i < lines.size(); ++i) Label1[i + 1].SetCaption(lines[i]);
}

}  // namespace tarnwick
