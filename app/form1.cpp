#include "app/form1.h"

namespace tarnwick {

Form1::Form1(Platform& platform) : platform_(platform) {
  focus.OnDecision(
      [this](WindowHandle target, FocusOutcome outcome) { FocusDecided(target, outcome); });
  ShowChordsInHelp();
  Text2_Change();
}

void Form1::Start() {
  Form_Load();
  if (!hideRequested_ && !ended_) platform_.form.Show();
}

void Form1::EndProgram() {
  ended_ = true;
  platform_.loop.Quit();
}

}  // namespace tarnwick
