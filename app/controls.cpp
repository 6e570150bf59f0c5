#include "app/controls.h"

#include <cassert>

namespace tarnwick {

void CaptionedControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  NotifyChanged();
}

void CheckBox::SetValue(int value) {
  // Stored states are mapped into range when they are read; anything else is our mistake.
  assert(value >= kUnchecked && value <= kGreyed && "a check box holds 0, 1 or 2");
  if (value == value_) return;
  value_ = value;
  NotifyChanged();
  if (onClick) onClick();
}

void TextBox::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  NotifyChanged();
}

void Timer::Attach(EventLoop& loop) {
  loop_ = &loop;
  if (enabled_) Arm();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (loop_ == nullptr) return;
  if (enabled_) {
    Arm();
  } else {
    loop_->StopTimer(id_);
  }
}

void Timer::SetIntervalMs(int intervalMs) {
  intervalMs_ = intervalMs;
  if (enabled_ && loop_ != nullptr) Arm();
}

void Timer::Arm() {
  assert(loop_ != nullptr && "a timer runs on an event loop");
  assert(intervalMs_ > 0 && "a timer's interval is a positive number of milliseconds");
  loop_->StartTimer(id_, intervalMs_, [this] {
    if (onTick) onTick();
  });
}

}  // namespace tarnwick
