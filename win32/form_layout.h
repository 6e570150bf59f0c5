#pragma once
#include <variant>
#include <vector>

#include "app/form1.h"

namespace tarnwick::win32 {

// Positions on the main window are twips, scaled to pixels by the real DPI.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

inline constexpr int kClientWidthTwips = 10050;
inline constexpr int kClientHeightTwips = 5775;

enum class FontRole { kDialog, kHelpTitle, kHelpText };

// A visible control, its kind known from its type.
using PlacedControl = std::variant<CheckBox*, CommandButton*, TextBox*, Label*, Frame*>;

struct ControlPlacement {
  PlacedControl control;
  TwipRect rect;
  FontRole font = FontRole::kDialog;
};

// The model behind a placed control, whatever its kind.
inline Control& ModelOf(const PlacedControl& control) {
  return *std::visit([](auto* typed) -> Control* { return typed; }, control);
}

// Every visible control of the window, in Tab order, each text box's label right before the
// box; frames and help texts follow, so they sit below the controls they surround.
std::vector<ControlPlacement> MainWindowLayout(Form1& form);

// The control that has the focus when the window is first shown.
const Control& InitialFocus(Form1& form);

}  // namespace tarnwick::win32
