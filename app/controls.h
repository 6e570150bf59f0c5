#pragma once
#include <functional>
#include <string>
#include <utility>

#include "seam/shell.h"
#include "seam/timer.h"

namespace tarnwick {

class Control;

// The view of the main window: told after every change so that it can render the model.
class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void ControlChanged(const Control& control) = 0;
  // The program gives the keyboard focus to the control.
  virtual void FocusRequested(const Control& control) = 0;
};

// What every control has: a name the handlers use and the one view that renders it.
class Control {
 public:
  explicit Control(std::string name) : name_(std::move(name)) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  void AttachObserver(ControlObserver* observer) { observer_ = observer; }
  // Puts the keyboard focus here (the view does; without a view nothing happens).
  void SetFocus() {
    if (observer_ != nullptr) observer_->FocusRequested(*this);
  }

 protected:
  void NotifyChanged() const {
    if (observer_ != nullptr) observer_->ControlChanged(*this);
  }

 private:
  std::string name_;
  ControlObserver* observer_ = nullptr;
};

// A control with a caption: label, frame, button.
class CaptionedControl : public Control {
 public:
  CaptionedControl(std::string name, std::string caption)
      : Control(std::move(name)), caption_(std::move(caption)) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

 private:
  std::string caption_;
};

class Label : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
};

class Frame : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
};

// A control that runs a command when clicked: button or menu item.
class ClickableControl : public CaptionedControl {
 public:
  ClickableControl(std::string name, std::string caption, std::function<void()> handler = {})
      : CaptionedControl(std::move(name), std::move(caption)), onClick(std::move(handler)) {}
  std::function<void()> onClick;
  // A click by the user, the keyboard or a program.
  void Click() const {
    if (onClick) onClick();
  }
};

class CommandButton : public ClickableControl {
 public:
  using ClickableControl::ClickableControl;
};

// Values a check box can hold; only kChecked counts as ticked.
enum CheckValue : int { kUnchecked = 0, kChecked = 1, kGreyed = 2 };

class CheckBox : public CaptionedControl {
 public:
  CheckBox(std::string name, std::string caption, std::function<void()> handler = {})
      : CaptionedControl(std::move(name), std::move(caption)), onClick(std::move(handler)) {}
  std::function<void()> onClick;
  int Value() const { return value_; }
  bool IsChecked() const { return value_ == kChecked; }
  // A write that changes the value runs the click handler before it returns; a write of
  // the value the box already has runs nothing.
  void SetValue(int value);
  // The user's click flips the box (a greyed box becomes unticked), then runs the handler.
  void UserClicked() { SetValue(value_ == kUnchecked ? kChecked : kUnchecked); }

 private:
  int value_ = kUnchecked;
};

class TextBox : public Control {
 public:
  TextBox(std::string name, std::string text, std::function<void()> lostFocus = {},
          std::function<void()> change = {})
      : Control(std::move(name)),
        onLostFocus(std::move(lostFocus)),
        onChange(std::move(change)),
        text_(std::move(text)) {}
  std::function<void()> onLostFocus;
  // Runs whenever the text changes, by typing or by the program.
  std::function<void()> onChange;
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  // The user's typing: the view already shows it, so the view is not told again.
  void UserTyped(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    if (onChange) onChange();
  }
  void LostFocus() const {
    if (onLostFocus) onLostFocus();
  }

 private:
  std::string text_;
};

// A hidden picture holder; the pictures themselves live in the program's resources.
class Image : public Control {
 public:
  Image(std::string name, IconId picture) : Control(std::move(name)), picture_(picture) {}
  IconId Picture() const { return picture_; }

 private:
  IconId picture_;
};

class MenuItem : public ClickableControl {
 public:
  using ClickableControl::ClickableControl;
};

}  // namespace tarnwick
