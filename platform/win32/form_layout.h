#pragma once
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

enum class ControlKind { kCheckBox, kButton, kTextBox, kLabel, kFrame };
enum class FontRole { kDialog, kHelpTitle, kHelpText };

struct ControlPlacement {
  Control* control = nullptr;
  ControlKind kind = ControlKind::kLabel;
  TwipRect rect;
  FontRole font = FontRole::kDialog;
};

// Every visible control of the window. Controls that take the focus come first, in Tab
// order; labels and frames follow, so they sit below the controls they surround.
std::vector<ControlPlacement> MainWindowLayout(Form1& form);

}  // namespace tarnwick::win32
