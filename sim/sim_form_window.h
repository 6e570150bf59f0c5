#pragma once
#include "seam/form_window.h"

namespace tarnwick::sim {

// The main window's frame: whether it shows, and how often it was shown and hidden.
class SimFormWindow : public FormWindow {
 public:
  bool visible = false;
  bool minimized = false;  // minimised with the title bar's button
  int shows = 0;
  int hides = 0;
  IconId icon = IconId::kApplication;
  int optionsShown = 0;

  void Show() override {
    ++shows;
    visible = true;
    minimized = false;
  }
  void Hide() override {
    ++hides;
    visible = false;
  }
  void SetIcon(IconId shown) override { icon = shown; }
  void ShowOptions() override { ++optionsShown; }
};

}  // namespace tarnwick::sim
