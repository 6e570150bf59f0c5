#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/options_store.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// The Options window: a modeless dialog of standard controls that shows Form1's options and
// hands what the user applies (OK or Apply) to Form1::ApplyOptions. A top-level window of
// its own, with no owner: focus-follow then activates it like any window, and not the main
// window behind it, which may be hidden in the tray.
class OptionsDialog {
 public:
  OptionsDialog() = default;
  OptionsDialog(const OptionsDialog&) = delete;
  OptionsDialog& operator=(const OptionsDialog&) = delete;
  ~OptionsDialog() { Close(); }

  // Opens the window, or brings the open one forward; false when the system refused it.
  bool Open(Form1& form);
  void Close();
  // The user is typing a chord into one of the hotkey controls: the keys are a choice being
  // made, not commands.
  bool RecordingChord() const;

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  // The hotkey fields' own handling: which keys they take, and how they name their chord.
  static LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR command, DWORD_PTR self);
  bool FieldMessage(HWND field, int command, UINT message, WPARAM wParam, LPARAM lParam,
                    LRESULT& result);
  void FieldKey(HWND field, int command, UINT message, WPARAM wParam, LPARAM lParam,
                LRESULT& result);
  void PaintField(HWND field, int command, HDC given);
  // The chord a hotkey field stands for now, and its name.
  Chord FieldChord(int command) const;
  std::wstring FieldText(int command) const;
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);
  // Captions the check boxes and fills the lists of choices, from the settings' rows.
  void PrepareSettingControls();
  // Each setting the window shows, from the record's text for it, and back.
  void Show(const Options& options);
  void ShowSetting(const Setting& setting, const std::string& text);
  std::vector<ProposedText> Proposed() const;
  std::optional<std::string> FieldValue(const Setting& setting) const;
  bool Apply();
  void UpdateApplyButton();
  // The delay box takes input only while the delayed raise is chosen.
  void ShowRaiseDelayUse();
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }

  HWND dialog_ = nullptr;
  Form1* form_ = nullptr;
  // What each hotkey control was given, and the chord it stood for: a chord the control
  // cannot show (one with Win) stays as it was unless the user types another.
  std::array<WORD, kHotkeyCommandCount> shownValues_{};
  std::array<Chord, kHotkeyCommandCount> shownChords_{};
};

}  // namespace tarnwick::win32
