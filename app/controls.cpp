#include "app/controls.h"

#include "common/invariant.h"

namespace tarnwick {

void CaptionedControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  NotifyChanged();
}

void CheckBox::SetValue(int value) {
  // Stored states are mapped into range when they are read; anything else is our mistake.
  TARNWICK_CHECK(value >= kUnchecked && value <= kGreyed, "a check box holds 0, 1 or 2");
  if (value == value_) return;
  value_ = value;
  NotifyChanged();
  if (onClick) onClick();
}

void TextBox::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  NotifyChanged();
  if (onChange) onChange();
}

}  // namespace tarnwick
