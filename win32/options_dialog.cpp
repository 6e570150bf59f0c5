// The Windows API comes first: the common-controls header builds on it.
// clang-format off
#include "win32/options_dialog.h"
// clang-format on
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "resources/resource_ids.h"
#include "win32/dpi.h"
#include "win32/guarded.h"
#include "win32/hotkey_value.h"
#include "win32/icons.h"
#include "win32/live_objects.h"
#include "win32/text_conversion.h"

namespace tarnwick::win32 {
namespace {

// Each hotkey row's label gets an access key of its own: this letter, where it first
// appears in the command's name.
constexpr char kAccessKeys[kHotkeyCommandCount] = {'E', 'K', 'B', 'P', 'U'};

// In the order of PauseKey.
constexpr const wchar_t* kPauseKeyNames[] = {L"None", L"Ctrl", L"Alt", L"Shift", L"Win"};

std::wstring LabelFor(int command) {
  const std::string name = CommandName(static_cast<HotkeyCommand>(command));
  const char key = kAccessKeys[command];
  const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(key)));
  const size_t at = std::min(name.find_first_of(std::string{key, lower}), name.size());
  // Built piece by piece: mingw's GCC 12 reports a false -Wrestrict on string::insert.
  std::string label(name, 0, at);
  if (at < name.size()) label += '&';
  label.append(name, at, std::string::npos);
  label += ':';
  return Widen(label);
}

std::wstring JoinLines(const std::vector<std::string>& lines) {
  std::wstring text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += L"\r\n";
    text += Widen(line);
  }
  return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

bool OptionsDialog::Open(Form1& form) {
  if (dialog_ != nullptr) {
    if (IsIconic(dialog_)) ShowWindow(dialog_, SW_RESTORE);
    SetForegroundWindow(dialog_);
    return true;
  }
  form_ = &form;
  // No owner (see the class comment); WM_INITDIALOG sets dialog_ before this returns.
  const HWND dialog =
      CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_OPTIONS), nullptr,
                         &OptionsDialog::Procedure, reinterpret_cast<LPARAM>(this));
  if (dialog == nullptr) return false;
  CountCreated(ObjectKind::kWindow);  // its controls come and go with it
  ShowWindow(dialog, SW_SHOW);
  SetForegroundWindow(dialog);
  return true;
}

void OptionsDialog::Close() {
  if (dialog_ != nullptr) DestroyWindow(dialog_);
}

bool OptionsDialog::RecordingChord() const {
  if (dialog_ == nullptr) return false;
  const HWND focus = GetFocus();
  for (int command = 0; command < kHotkeyCommandCount; ++command) {
    if (focus != nullptr && focus == Item(IDC_HOTKEY_FIRST + command)) return true;
  }
  return false;
}

INT_PTR CALLBACK OptionsDialog::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<OptionsDialog*>(lParam);
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    self->dialog_ = dialog;
  }
  auto* self = reinterpret_cast<OptionsDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (self == nullptr) return FALSE;
  bool handled = false;
  Guarded([&] { handled = self->Handle(message, wParam, lParam); });
  return handled ? TRUE : FALSE;
}

bool OptionsDialog::Handle(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      const int dpi = DpiOf(dialog_);
      SendMessageW(dialog_, WM_SETICON, ICON_BIG,
                   reinterpret_cast<LPARAM>(LoadProgramIcon(IconId::kApplication, false, dpi)));
      SendMessageW(dialog_, WM_SETICON, ICON_SMALL,
                   reinterpret_cast<LPARAM>(LoadProgramIcon(IconId::kApplication, true, dpi)));
      for (int command = 0; command < kHotkeyCommandCount; ++command) {
        SetDlgItemTextW(dialog_, IDC_HOTKEY_LABEL_FIRST + command, LabelFor(command).c_str());
        // A key with no modifier, or with Shift alone, would fire while the user types: the
        // control turns it into Ctrl+Alt and the key, as a shortcut's key field does.
        SendDlgItemMessageW(dialog_, IDC_HOTKEY_FIRST + command, HKM_SETRULES,
                            HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
      }
      for (const wchar_t* name : kPauseKeyNames) {
        SendDlgItemMessageW(dialog_, IDC_PAUSE_KEY, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(name));
      }
      Show(form_->CurrentOptions());
      // Not the first hotkey control: it would take Alt and a letter for a chord, and the
      // access keys would not work until the user tabbed away. Enter and Esc work either way.
      SetFocus(Item(IDOK));
      return false;  // the focus is set
    }
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return true;
    case WM_DESTROY:
      SetWindowLongPtrW(dialog_, DWLP_USER, 0);
      dialog_ = nullptr;
      CountDestroyed(ObjectKind::kWindow);
      return true;
    default:
      return false;
  }
}

void OptionsDialog::OnCommand(int id, int code) {
  if (id == IDOK) {
    if (Apply()) Close();
  } else if (id == IDCANCEL) {
    Close();
  } else if (id == IDC_APPLY) {
    const HWND applyButton = Item(IDC_APPLY);
    Apply();
    // A button greyed while it has the focus leaves the keyboard nowhere.
    if (GetFocus() == applyButton && !IsWindowEnabled(applyButton)) {
      SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDOK)), TRUE);
    }
  } else if (id >= IDC_HOTKEY_NONE_FIRST && id < IDC_HOTKEY_NONE_FIRST + kHotkeyCommandCount) {
    SendDlgItemMessageW(dialog_, id - IDC_HOTKEY_NONE_FIRST + IDC_HOTKEY_FIRST, HKM_SETHOTKEY, 0,
                        0);
    UpdateApplyButton();
  } else if (code == EN_CHANGE || code == CBN_SELCHANGE || code == BN_CLICKED) {
    UpdateApplyButton();
  }
}

void OptionsDialog::Show(const Options& options) {
  for (int command = 0; command < kHotkeyCommandCount; ++command) {
    shownChords_[command] = options.hotkeys[command];
    shownValues_[command] = HotkeyValueOf(options.hotkeys[command]);
    SendDlgItemMessageW(dialog_, IDC_HOTKEY_FIRST + command, HKM_SETHOTKEY, shownValues_[command],
                        0);
  }
  SetDlgItemTextW(dialog_, IDC_EXCLUSIONS, JoinLines(options.exclusions).c_str());
  SendDlgItemMessageW(dialog_, IDC_PAUSE_KEY, CB_SETCURSEL, static_cast<WPARAM>(options.pauseKey),
                      0);
  CheckDlgButton(dialog_, IDC_LEAVE_FULLSCREEN,
                 options.leaveFullscreenAlone ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog_, IDC_FOLLOW_ONLY_MOVED,
                 options.followOnlyWhenMoved ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog_, IDC_WRAP_ONLY_ON_PUSH,
                 options.wrapOnlyOnPush ? BST_CHECKED : BST_UNCHECKED);
  UpdateApplyButton();
}

Options OptionsDialog::Proposed() const {
  Options proposed = form_->CurrentOptions();
  for (int command = 0; command < kHotkeyCommandCount; ++command) {
    const auto value = static_cast<WORD>(
        SendDlgItemMessageW(dialog_, IDC_HOTKEY_FIRST + command, HKM_GETHOTKEY, 0, 0));
    proposed.hotkeys[command] =
        value == shownValues_[command] ? shownChords_[command] : ChordOfHotkeyValue(value);
  }
  proposed.exclusions = SplitLines(WindowText(Item(IDC_EXCLUSIONS)));
  const LRESULT pauseKey = SendDlgItemMessageW(dialog_, IDC_PAUSE_KEY, CB_GETCURSEL, 0, 0);
  if (pauseKey >= 0 && pauseKey < static_cast<LRESULT>(std::size(kPauseKeyNames))) {
    proposed.pauseKey = static_cast<PauseKey>(pauseKey);
  }
  proposed.leaveFullscreenAlone = IsDlgButtonChecked(dialog_, IDC_LEAVE_FULLSCREEN) == BST_CHECKED;
  proposed.followOnlyWhenMoved = IsDlgButtonChecked(dialog_, IDC_FOLLOW_ONLY_MOVED) == BST_CHECKED;
  proposed.wrapOnlyOnPush = IsDlgButtonChecked(dialog_, IDC_WRAP_ONLY_ON_PUSH) == BST_CHECKED;
  return proposed;
}

bool OptionsDialog::Apply() {
  const Options proposed = Proposed();
  if (proposed == form_->CurrentOptions()) return true;
  // A refusal shows its message in a modal box first; the window stays open for a fix.
  const bool accepted = form_->ApplyOptions(proposed);
  if (dialog_ == nullptr) return accepted;  // closed while the message was up
  // What is in force now, as the program keeps it (rules trimmed of blank lines, say).
  if (accepted) Show(form_->CurrentOptions());
  UpdateApplyButton();
  return accepted;
}

void OptionsDialog::UpdateApplyButton() {
  if (form_ == nullptr) return;
  EnableWindow(Item(IDC_APPLY), Proposed() != form_->CurrentOptions() ? TRUE : FALSE);
}

}  // namespace tarnwick::win32
