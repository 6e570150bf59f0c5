#include "win32/form_view.h"

#include <cmath>
#include <utility>
#include <variant>

#include "win32/dpi.h"
#include "win32/live_objects.h"
#include "win32/text_conversion.h"

namespace tarnwick::win32 {
namespace {

constexpr UINT kFirstControlId = 100;

struct WindowClassAndStyle {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

// One overload a kind of control: std::visit picks by the control's type.
template <typename... Actions>
struct Overloaded : Actions... {
  using Actions::operator()...;
};
template <typename... Actions>
Overloaded(Actions...) -> Overloaded<Actions...>;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

WindowClassAndStyle ClassFor(const PlacedControl& control) {
  return std::visit(
      Overloaded{
          // Never the automatic kind: Windows must not flip a box behind the model. Three
          // states, so that a greyed box is drawn greyed and not as ticked.
          [](const CheckBox*) -> WindowClassAndStyle {
            return {L"BUTTON", kChild | WS_TABSTOP | BS_3STATE | BS_MULTILINE, 0};
          },
          [](const CommandButton*) -> WindowClassAndStyle {
            return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
          },
          [](const TextBox*) -> WindowClassAndStyle {
            return {L"EDIT", kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
          },
          [](const Frame*) -> WindowClassAndStyle {
            return {L"BUTTON", kChild | BS_GROUPBOX, 0};
          },
          [](const Label*) -> WindowClassAndStyle {
            return {L"STATIC", kChild | SS_LEFT | SS_NOPREFIX, 0};
          },
      },
      control);
}

HFONT MakeFont(const wchar_t* face, double points, bool bold, DWORD pitchAndFamily, int dpi) {
  const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
  HFONT font =
      CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, pitchAndFamily, face);
  if (font != nullptr) CountCreated(ObjectKind::kFont);
  return font;
}

void DeleteFont(HFONT font) {
  if (font != nullptr && DeleteObject(font)) CountDestroyed(ObjectKind::kFont);
}

}  // namespace

FormView::FormView(HWND parent, Form1& form) : parent_(parent) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  UINT id = kFirstControlId;
  for (const ControlPlacement& placement : MainWindowLayout(form)) {
    const WindowClassAndStyle kind = ClassFor(placement.control);
    Entry entry{placement, nullptr};
    entry.window =
        CreateWindowExW(kind.exStyle, kind.className, L"", kind.style, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance, nullptr);
    ++id;
    if (entry.window != nullptr) CountCreated(ObjectKind::kWindow);
    entries_.push_back(entry);
    ModelOf(placement.control).AttachObserver(this);
  }
  for (const Entry& entry : entries_) Render(entry);
  Layout(DpiOf(parent));
}

FormView::~FormView() {
  // The controls go before their fonts. The main window, when destroyed first, took them
  // along already.
  for (const Entry& entry : entries_) {
    if (entry.window == nullptr) continue;
    if (IsWindow(entry.window)) DestroyWindow(entry.window);
    CountDestroyed(ObjectKind::kWindow);
  }
  ReleaseFonts();
}

void FormView::ReleaseFonts() {
  for (HFONT* font : {&dialogFont_, &helpTitleFont_, &helpTextFont_}) {
    DeleteFont(*font);
    *font = nullptr;
  }
}

void FormView::Layout(int dpi) {
  HFONT oldFonts[] = {dialogFont_, helpTitleFont_, helpTextFont_};
  dialogFont_ = MakeFont(L"MS Shell Dlg 2", 8, false, VARIABLE_PITCH | FF_SWISS, dpi);
  helpTitleFont_ = MakeFont(L"Courier New", 14.25, true, FIXED_PITCH | FF_MODERN, dpi);
  helpTextFont_ = MakeFont(L"Courier New", 12, false, FIXED_PITCH | FF_MODERN, dpi);
  for (const Entry& entry : entries_) {
    if (entry.window == nullptr) continue;
    const TwipRect& rect = entry.placement.rect;
    MoveWindow(entry.window, TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
               TwipsToPixels(rect.width, dpi), TwipsToPixels(rect.height, dpi), TRUE);
    HFONT font = entry.placement.font == FontRole::kHelpTitle  ? helpTitleFont_
                 : entry.placement.font == FontRole::kHelpText ? helpTextFont_
                                                               : dialogFont_;
    SendMessageW(entry.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  // The controls hold the new fonts now; the old ones can go.
  for (HFONT font : oldFonts) DeleteFont(font);
}

const FormView::Entry* FormView::Find(const Control& control) const {
  for (const Entry& entry : entries_) {
    if (&ModelOf(entry.placement.control) == &control) return &entry;
  }
  return nullptr;
}

void FormView::FocusRequested(const Control& control) {
  if (HWND window = ControlWindow(control)) ::SetFocus(window);
}

HWND FormView::ControlWindow(const Control& control) const {
  const Entry* entry = Find(control);
  return entry == nullptr ? nullptr : entry->window;
}

bool FormView::FocusIsOurs() const {
  // Focus that went to another program's window reads as none on this thread.
  HWND focus = GetFocus();
  return focus != nullptr && (focus == parent_ || IsChild(parent_, focus));
}

void FormView::EnterPressed() {
  HWND focus = GetFocus();
  for (const Entry& entry : entries_) {
    if (entry.window != focus) continue;
    if (auto* const* text = std::get_if<TextBox*>(&entry.placement.control)) {
      (*text)->UserTyped(WindowText(entry.window));
      (*text)->LostFocus();
    }
  }
}

void FormView::Reactivated(HWND focus) {
  TextBox* left = std::exchange(leftForAnotherProgram_, nullptr);
  if (left == nullptr) return;
  const Entry* entry = Find(*left);
  if (entry != nullptr && entry->window != focus) left->LostFocus();
}

HWND FormView::FirstFocus() const {
  return entries_.empty() ? nullptr : entries_.front().window;
}

void FormView::ControlChanged(const Control& control) {
  if (const Entry* entry = Find(control)) Render(*entry);
}

void FormView::Render(const Entry& entry) {
  if (entry.window == nullptr) return;
  // Setting an edit box's text raises EN_CHANGE; that echo must not reach the model.
  rendering_ = true;
  std::visit(Overloaded{
                 [&](const CheckBox* box) {
                   SetWindowTextW(entry.window, Widen(box->Caption()).c_str());
                   const WPARAM state = box->Value() == kChecked  ? BST_CHECKED
                                        : box->Value() == kGreyed ? BST_INDETERMINATE
                                                                  : BST_UNCHECKED;
                   SendMessageW(entry.window, BM_SETCHECK, state, 0);
                 },
                 [&](const TextBox* text) {
                   if (WindowText(entry.window) != text->Text()) {
                     SetWindowTextW(entry.window, Widen(text->Text()).c_str());
                   }
                 },
                 [&](const CaptionedControl* captioned) {
                   SetWindowTextW(entry.window, Widen(captioned->Caption()).c_str());
                 },
             },
             entry.placement.control);
  rendering_ = false;
}

bool FormView::OnCommand(UINT id, UINT code) {
  if (id < kFirstControlId || id >= kFirstControlId + entries_.size()) return false;
  const Entry& entry = entries_[id - kFirstControlId];
  std::visit(Overloaded{
                 [&](CheckBox* box) {
                   if (code == BN_CLICKED) box->UserClicked();
                 },
                 [&](CommandButton* button) {
                   if (code == BN_CLICKED) button->Click();
                 },
                 [&](TextBox* text) {
                   if (code == EN_CHANGE && !rendering_) text->UserTyped(WindowText(entry.window));
                   if (code != EN_KILLFOCUS) return;
                   text->UserTyped(WindowText(entry.window));
                   if (FocusIsOurs()) {
                     text->LostFocus();
                   } else {
                     leftForAnotherProgram_ = text;
                   }
                 },
                 [](const CaptionedControl*) {},  // labels and frames take no input
             },
             entry.placement.control);
  return true;
}

}  // namespace tarnwick::win32
