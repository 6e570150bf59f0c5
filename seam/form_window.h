#pragma once
#include "seam/icon_id.h"

namespace tarnwick {

// The main window as a frame: the controls inside it are rendered from the model.
class FormWindow {
 public:
  virtual ~FormWindow() = default;
  // Visible, restored if it was minimised, and in front of the other windows.
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void SetIcon(IconId icon) = 0;
  // Opens the Options window, or brings it forward when it is open already. The window
  // shows Form1's options and hands what the user applies to Form1::ApplyOptions.
  virtual void ShowOptions() = 0;
};

}  // namespace tarnwick
