#include "app/controls.h"

namespace tarnwick {

void CaptionedControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  NotifyChanged();
}

void CheckBox::SetValue(int value) {
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
  loop_->StartTimer(id_, intervalMs_, [this] {
    if (onTick) onTick();
  });
}

}  // namespace tarnwick
