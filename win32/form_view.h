#pragma once
#include <vector>

#include "app/controls.h"
#include "win32/form_layout.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// The standard controls that show Form1's model. The view renders what the model says and
// turns the user's clicks and typing into model calls; it never decides anything itself.
class FormView : public ControlObserver {
 public:
  FormView(HWND parent, Form1& form);
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;
  ~FormView() override;

  // Places every control and sets its fonts for a DPI; also after a DPI change.
  void Layout(int dpi);
  void ControlChanged(const Control& control) override;
  void FocusRequested(const Control& control) override;
  // A WM_COMMAND from a child control; false when it was not one of ours.
  bool OnCommand(UINT id, UINT code);
  // Enter in a text box: the user is done with it, as when leaving it.
  void EnterPressed();
  // The window is active again and `focus` has the focus: a box left for another program
  // is validated now, unless the user is back in it.
  void Reactivated(HWND focus);
  // The control that has the focus when the window is first shown.
  HWND FirstFocus() const;
  HWND ControlWindow(const Control& control) const;

 private:
  struct Entry {
    ControlPlacement placement;
    HWND window = nullptr;
  };
  void Render(const Entry& entry);
  void ReleaseFonts();
  const Entry* Find(const Control& control) const;
  bool FocusIsOurs() const;

  HWND parent_;
  std::vector<Entry> entries_;
  HFONT dialogFont_ = nullptr;
  HFONT helpTitleFont_ = nullptr;
  HFONT helpTextFont_ = nullptr;
  bool rendering_ = false;
  // A text box that lost the focus to another program: not validated then, because the
  // user did not leave it; focus-follow took the keyboard away mid-word.
  TextBox* leftForAnotherProgram_ = nullptr;
};

}  // namespace tarnwick::win32
