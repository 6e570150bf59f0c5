// The Windows API comes first: the common-controls header builds on it.
// clang-format off
#include "win32/options_dialog.h"
// clang-format on
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "common/text_lines.h"
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
      ShowProgramIcons(dialog_, IconId::kApplication, DpiOf(dialog_));
      for (int command = 0; command < kHotkeyCommandCount; ++command) {
        SetDlgItemTextW(dialog_, IDC_HOTKEY_LABEL_FIRST + command, LabelFor(command).c_str());
        // The field's keys are weighed here, not by the control's own rules (see FieldKey).
        SetWindowSubclass(Item(IDC_HOTKEY_FIRST + command), &OptionsDialog::FieldProcedure,
                          static_cast<UINT_PTR>(command), reinterpret_cast<DWORD_PTR>(this));
      }
      for (int key = 0; key < kPauseKeyCount; ++key) {
        SendDlgItemMessageW(
            dialog_, IDC_PAUSE_KEY, CB_ADDSTRING, 0,
            reinterpret_cast<LPARAM>(Widen(PauseKeyName(static_cast<PauseKey>(key))).c_str()));
      }
      Show(form_->CurrentOptions());
      EnableWindow(Item(IDC_SYSTEM_HOVER_OFF), form_->SystemHoverActivationOn());
      // OK, not the first hotkey field: no key lands in a field the user did not choose.
      SetFocus(Item(IDOK));
      return false;  // the focus is set
    }
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return true;
    case WM_DPICHANGED:
      // The caption takes the icon sizes of the new monitor; the system scales the rest.
      ShowProgramIcons(dialog_, IconId::kApplication, HIWORD(wParam));
      return false;
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
    // Apply greys itself once its options are in force, and a window greyed while it holds
    // the focus leaves the keyboard nowhere: the focus goes on to OK first.
    if (GetFocus() == Item(IDC_APPLY)) {
      SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDOK)), TRUE);
    }
    Apply();
  } else if (id >= IDC_HOTKEY_NONE_FIRST && id < IDC_HOTKEY_NONE_FIRST + kHotkeyCommandCount) {
    SendDlgItemMessageW(dialog_, id - IDC_HOTKEY_NONE_FIRST + IDC_HOTKEY_FIRST, HKM_SETHOTKEY, 0,
                        0);
    UpdateApplyButton();
  } else if (id == IDC_SYSTEM_HOVER_OFF) {
    // Windows' own setting, not one of ours: it takes effect at once, without OK or Apply.
    form_->SwitchOffSystemHover_Click();
    if (!form_->SystemHoverActivationOn()) {
      SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDOK)), TRUE);
      EnableWindow(Item(IDC_SYSTEM_HOVER_OFF), FALSE);
    }
  } else if (code == EN_CHANGE || code == CBN_SELCHANGE || code == BN_CLICKED) {
    if (id >= IDC_RAISE_FIRST && id < IDC_RAISE_FIRST + kRaiseModeCount) ShowRaiseDelayUse();
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
  SetDlgItemTextW(dialog_, IDC_EXCLUSIONS, Widen(JoinLines(options.exclusions, "\r\n")).c_str());
  SendDlgItemMessageW(dialog_, IDC_PAUSE_KEY, CB_SETCURSEL, static_cast<WPARAM>(options.pauseKey),
                      0);
  CheckDlgButton(dialog_, IDC_LEAVE_FULLSCREEN,
                 options.leaveFullscreenAlone ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog_, IDC_FOLLOW_ONLY_MOVED,
                 options.followOnlyWhenMoved ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog_, IDC_WRAP_ONLY_ON_PUSH,
                 options.wrapOnlyOnPush ? BST_CHECKED : BST_UNCHECKED);
  CheckRadioButton(dialog_, IDC_RAISE_FIRST, IDC_RAISE_FIRST + kRaiseModeCount - 1,
                   IDC_RAISE_FIRST + static_cast<int>(options.raiseMode));
  SetDlgItemInt(dialog_, IDC_RAISE_DELAY, static_cast<UINT>(options.raiseDelayMs), FALSE);
  ShowRaiseDelayUse();
  CheckDlgButton(dialog_, IDC_WAIT_UNTIL_STILL,
                 options.waitUntilStill ? BST_CHECKED : BST_UNCHECKED);
  UpdateApplyButton();
}

Chord OptionsDialog::FieldChord(int command) const {
  const auto value = static_cast<WORD>(
      SendDlgItemMessageW(dialog_, IDC_HOTKEY_FIRST + command, HKM_GETHOTKEY, 0, 0));
  return value == shownValues_[command] ? shownChords_[command] : ChordOfHotkeyValue(value);
}

Options OptionsDialog::Proposed() const {
  Options proposed = form_->CurrentOptions();
  for (int command = 0; command < kHotkeyCommandCount; ++command) {
    proposed.hotkeys[command] = FieldChord(command);
  }
  proposed.exclusions = SplitLines(WindowText(Item(IDC_EXCLUSIONS)));
  const LRESULT pauseKey = SendDlgItemMessageW(dialog_, IDC_PAUSE_KEY, CB_GETCURSEL, 0, 0);
  if (pauseKey >= 0 && pauseKey < kPauseKeyCount) {
    proposed.pauseKey = static_cast<PauseKey>(pauseKey);
  }
  proposed.leaveFullscreenAlone = IsDlgButtonChecked(dialog_, IDC_LEAVE_FULLSCREEN) == BST_CHECKED;
  proposed.followOnlyWhenMoved = IsDlgButtonChecked(dialog_, IDC_FOLLOW_ONLY_MOVED) == BST_CHECKED;
  proposed.wrapOnlyOnPush = IsDlgButtonChecked(dialog_, IDC_WRAP_ONLY_ON_PUSH) == BST_CHECKED;
  for (int mode = 0; mode < kRaiseModeCount; ++mode) {
    if (IsDlgButtonChecked(dialog_, IDC_RAISE_FIRST + mode) == BST_CHECKED) {
      proposed.raiseMode = static_cast<RaiseMode>(mode);
    }
  }
  // A delay that is no delay reads as 0, which Form1 refuses with a word why; unless the box
  // is not in use, when the delay in force stays.
  proposed.raiseDelayMs =
      ParseRaiseDelayMs(WindowText(Item(IDC_RAISE_DELAY)))
          .value_or(proposed.raiseMode == RaiseMode::kAfterDelay ? 0 : proposed.raiseDelayMs);
  proposed.waitUntilStill = IsDlgButtonChecked(dialog_, IDC_WAIT_UNTIL_STILL) == BST_CHECKED;
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

void OptionsDialog::ShowRaiseDelayUse() {
  const bool used =
      IsDlgButtonChecked(dialog_, IDC_RAISE_FIRST + static_cast<int>(RaiseMode::kAfterDelay)) ==
      BST_CHECKED;
  EnableWindow(Item(IDC_RAISE_DELAY), used ? TRUE : FALSE);
}

void OptionsDialog::UpdateApplyButton() {
  if (form_ == nullptr) return;
  EnableWindow(Item(IDC_APPLY), Proposed() != form_->CurrentOptions() ? TRUE : FALSE);
}

LRESULT CALLBACK OptionsDialog::FieldProcedure(HWND field, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR command, DWORD_PTR self) {
  LRESULT result = 0;
  bool handled = false;
  Guarded([&] {
    handled = reinterpret_cast<OptionsDialog*>(self)->FieldMessage(field, static_cast<int>(command),
                                                                   message, wParam, lParam, result);
  });
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(field, &OptionsDialog::FieldProcedure, command);
  }
  return handled ? result : DefSubclassProc(field, message, wParam, lParam);
}

bool OptionsDialog::FieldMessage(HWND field, int command, UINT message, WPARAM wParam,
                                 LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      FieldKey(field, command, message, wParam, lParam, result);
      return true;
    case WM_CHAR:
      return true;  // its key-down said everything
    case WM_SYSCHAR:
    case WM_KEYUP:
    case WM_SYSKEYUP:
      // The window's: an access key, Alt+Space, Alt+F4; the control would take them.
      result = DefWindowProcW(field, message, wParam, lParam);
      return true;
    case WM_SETFOCUS:
      result = DefSubclassProc(field, message, wParam, lParam);
      InvalidateRect(field, nullptr, TRUE);  // the caret goes after the chord's name
      return true;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      PaintField(field, command, reinterpret_cast<HDC>(message == WM_PRINTCLIENT ? wParam : 0));
      return true;
    case WM_GETTEXTLENGTH:
      result = static_cast<LRESULT>(FieldText(command).size());
      return true;
    case WM_GETTEXT: {
      const std::wstring text = FieldText(command);
      const auto room = static_cast<size_t>(wParam);
      auto* buffer = reinterpret_cast<wchar_t*>(lParam);
      if (room == 0 || buffer == nullptr) return true;
      const size_t copied = std::min(text.size(), room - 1);
      text.copy(buffer, copied);
      buffer[copied] = L'\0';
      result = static_cast<LRESULT>(copied);
      return true;
    }
    default:
      return false;
  }
}

void OptionsDialog::FieldKey(HWND field, int command, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT& result) {
  const std::optional<Chord> chord =
      ChordTypedInHotkeyField(static_cast<int>(wParam), HeldKeysNow());
  if (!chord) {
    // Not the field's key: it goes on as in any other control.
    result = DefWindowProcW(field, message, wParam, lParam);
    return;
  }
  SendMessageW(field, HKM_SETHOTKEY, HotkeyValueOf(*chord), 0);
  InvalidateRect(field, nullptr, TRUE);
  SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_HOTKEY_FIRST + command, EN_CHANGE),
               reinterpret_cast<LPARAM>(field));
}

std::wstring OptionsDialog::FieldText(int command) const {
  return Widen(ChordText(FieldChord(command)));
}

void OptionsDialog::PaintField(HWND field, int command, HDC given) {
  // The field names its chord as the program does everywhere: the control itself would
  // leave out a key it has no name for ("Ctrl + Alt + ") and any Win.
  PAINTSTRUCT paint{};
  HDC dc = given != nullptr ? given : BeginPaint(field, &paint);
  RECT client{};
  GetClientRect(field, &client);
  const bool enabled = IsWindowEnabled(field) != FALSE;
  FillRect(dc, &client, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
  const HGDIOBJ oldFont =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(field, WM_GETFONT, 0, 0)));
  SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  SetBkMode(dc, TRANSPARENT);
  const std::wstring text = FieldText(command);
  const int x = GetSystemMetrics(SM_CXBORDER), y = GetSystemMetrics(SM_CYBORDER);
  TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, oldFont);
  if (given == nullptr) EndPaint(field, &paint);
  if (GetFocus() == field) SetCaretPos(x + extent.cx, y);
}

}  // namespace tarnwick::win32
