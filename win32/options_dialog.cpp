// The Windows API comes first: the common-controls header builds on it.
// clang-format off
#include "win32/options_dialog.h"
// clang-format on
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

bool IsComboBox(HWND control) {
  wchar_t className[16]{};
  GetClassNameW(control, className, static_cast<int>(std::size(className)));
  return std::wstring(className) == WC_COMBOBOXW;
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
      PrepareSettingControls();
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

void OptionsDialog::PrepareSettingControls() {
  for (const Setting* setting : kAllSettings) {
    // A check box is captioned by its row; a list of choices lists them in the window's words.
    if (setting->view == SettingView::kCheckBox) {
      SetDlgItemTextW(dialog_, setting->control, Widen(setting->label).c_str());
    }
    if (setting->view == SettingView::kChoice && IsComboBox(Item(setting->control))) {
      for (const std::string& choice : setting->choiceWords) {
        SendDlgItemMessageW(dialog_, setting->control, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(Widen(choice).c_str()));
      }
    }
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
  for (const auto& [setting, text] : OptionsStore::Texts(options)) ShowSetting(*setting, text);
  ShowRaiseDelayUse();
  UpdateApplyButton();
}

void OptionsDialog::ShowSetting(const Setting& setting, const std::string& text) {
  const auto choice = static_cast<int>(
      std::find(setting.choices.begin(), setting.choices.end(), text) - setting.choices.begin());
  switch (setting.view) {
    case SettingView::kNone:
      return;
    case SettingView::kCheckBox:
      CheckDlgButton(dialog_, setting.control, text == "1" ? BST_CHECKED : BST_UNCHECKED);
      return;
    case SettingView::kChoice:
      if (IsComboBox(Item(setting.control))) {
        SendDlgItemMessageW(dialog_, setting.control, CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
      } else {
        const int count = static_cast<int>(setting.choices.size());
        CheckRadioButton(dialog_, setting.control, setting.control + count - 1,
                         setting.control + choice);
      }
      return;
    case SettingView::kNumberBox:
      SetDlgItemTextW(dialog_, setting.control, Widen(text).c_str());
      return;
    case SettingView::kLines:
      SetDlgItemTextW(dialog_, setting.control, Widen(JoinLines(SplitLines(text), "\r\n")).c_str());
      return;
    case SettingView::kHotkey: {
      const int command = setting.control - IDC_HOTKEY_FIRST;
      shownChords_[command] = ParseChord(text).value_or(Chord{});
      shownValues_[command] = HotkeyValueOf(shownChords_[command]);
      SendDlgItemMessageW(dialog_, setting.control, HKM_SETHOTKEY, shownValues_[command], 0);
      return;
    }
  }
}

Chord OptionsDialog::FieldChord(int command) const {
  const auto value = static_cast<WORD>(
      SendDlgItemMessageW(dialog_, IDC_HOTKEY_FIRST + command, HKM_GETHOTKEY, 0, 0));
  return value == shownValues_[command] ? shownChords_[command] : ChordOfHotkeyValue(value);
}

std::vector<ProposedText> OptionsDialog::Proposed() const {
  std::vector<ProposedText> texts;
  for (const Setting* setting : kAllSettings) {
    if (std::optional<std::string> text = FieldValue(*setting)) {
      texts.emplace_back(setting, std::move(*text));
    }
  }
  return texts;
}

std::optional<std::string> OptionsDialog::FieldValue(const Setting& setting) const {
  // A control not in use proposes nothing: the value in force stays.
  if (setting.view == SettingView::kNone || IsWindowEnabled(Item(setting.control)) == FALSE) {
    return std::nullopt;
  }
  const int count = static_cast<int>(setting.choices.size());
  switch (setting.view) {
    case SettingView::kNone:
      return std::nullopt;
    case SettingView::kCheckBox:
      return IsDlgButtonChecked(dialog_, setting.control) == BST_CHECKED ? "1" : "0";
    case SettingView::kChoice:
      if (IsComboBox(Item(setting.control))) {
        const LRESULT chosen = SendDlgItemMessageW(dialog_, setting.control, CB_GETCURSEL, 0, 0);
        if (chosen >= 0 && chosen < count) return setting.choices[static_cast<size_t>(chosen)];
        return std::nullopt;
      }
      for (int choice = 0; choice < count; ++choice) {
        if (IsDlgButtonChecked(dialog_, setting.control + choice) == BST_CHECKED) {
          return setting.choices[static_cast<size_t>(choice)];
        }
      }
      return std::nullopt;
    case SettingView::kNumberBox:
    case SettingView::kLines:
      return WindowText(Item(setting.control));
    case SettingView::kHotkey:
      return ChordText(FieldChord(setting.control - IDC_HOTKEY_FIRST));
  }
  return std::nullopt;
}

bool OptionsDialog::Apply() {
  const std::vector<ProposedText> proposed = Proposed();
  const OptionsProposal proposal = OptionsStore::Propose(form_->CurrentOptions(), proposed);
  if (!proposal.refusal && proposal.options == form_->CurrentOptions()) return true;
  // A refusal shows its message in a modal box first; the window stays open for a fix.
  const Setting* refused = nullptr;
  const bool accepted = form_->ApplyOptions(proposed, &refused);
  if (dialog_ == nullptr) return accepted;  // closed while the message was up
  // What is in force now, as the program keeps it (rules trimmed of blank lines, say).
  if (accepted) Show(form_->CurrentOptions());
  UpdateApplyButton();
  if (refused != nullptr) {
    // The keyboard goes on where the mistake is, its text chosen for typing over.
    SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(refused->control)), TRUE);
  }
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
  const OptionsProposal proposal = OptionsStore::Propose(form_->CurrentOptions(), Proposed());
  const bool changed = proposal.refusal || proposal.options != form_->CurrentOptions();
  EnableWindow(Item(IDC_APPLY), changed ? TRUE : FALSE);
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
