#include "focus/focus_log.h"

namespace tarnwick {
namespace {

// Decisions that say nothing of what holds focus-follow back.
bool HoldsNothingBack(FocusOutcome outcome) {
  switch (outcome) {
    case FocusOutcome::kPinKept:
    case FocusOutcome::kSwitchedOff:
    case FocusOutcome::kShellWindow:
    case FocusOutcome::kCloaked:
    case FocusOutcome::kUntitled:
    case FocusOutcome::kWindowGone:
      return true;
    default:
      return false;
  }
}

}  // namespace

FocusOutcome OutcomeOf(ActivationResult result) {
  switch (result) {
    case ActivationResult::kActivated:
      return FocusOutcome::kActivated;
    case ActivationResult::kRefused:
      return FocusOutcome::kRefused;
    case ActivationResult::kWindowGone:
      return FocusOutcome::kWindowGone;
  }
  return FocusOutcome::kRefused;
}

const char* OutcomeText(FocusOutcome outcome) {
  switch (outcome) {
    case FocusOutcome::kActivated:
      return "activated";
    case FocusOutcome::kPinKept:
      return "kept the pinned window";
    case FocusOutcome::kSwitchedOff:
      return "switched off";
    case FocusOutcome::kButtonHeld:
      return "button held";
    case FocusOutcome::kMenuOpen:
      return "menu open";
    case FocusOutcome::kShellInFront:
      return "Start, Search or task switcher open";
    case FocusOutcome::kPaused:
      return "paused";
    case FocusOutcome::kFullscreen:
      return "fullscreen";
    case FocusOutcome::kExcluded:
      return "excluded";
    case FocusOutcome::kShellWindow:
      return "shell window";
    case FocusOutcome::kCloaked:
      return "on another desktop";
    case FocusOutcome::kUntitled:
      return "untitled";
    case FocusOutcome::kRefused:
      return "refused";
    case FocusOutcome::kElevated:
      return "elevated";
    case FocusOutcome::kWindowGone:
      return "window gone";
  }
  return "?";
}

std::string HoldText(FocusOutcome hold, PauseKey pauseKey, HoldKeyMode mode) {
  const bool heldToFollow = mode == HoldKeyMode::kFollow && pauseKey != PauseKey::kNone;
  if (heldToFollow && (hold == FocusOutcome::kPaused || hold == FocusOutcome::kActivated)) {
    return std::string("Following the mouse while ") + PauseKeyName(pauseKey) + " is held";
  }
  switch (hold) {
    case FocusOutcome::kSwitchedOff:
      return "Switched off";
    case FocusOutcome::kPinKept:
      return "Keeping the pinned window in front";
    case FocusOutcome::kButtonHeld:
      return "Waiting while a mouse button is held";
    case FocusOutcome::kMenuOpen:
      return "Waiting while a menu is open";
    case FocusOutcome::kShellInFront:
      return "Waiting while Start, Search or the task switcher is open";
    case FocusOutcome::kPaused:
      return std::string("Paused while ") + PauseKeyName(pauseKey) + " is held";
    case FocusOutcome::kFullscreen:
      return "A fullscreen program is in front";
    case FocusOutcome::kExcluded:
      return "Leaving an excluded program alone";
    case FocusOutcome::kRefused:
      return "Windows refused the last switch";
    case FocusOutcome::kElevated:
      return "Cannot reach a program run as administrator";
    default:
      return "Following the mouse";
  }
}

void FocusLog::Record(const FocusDecision& decision) {
  if (!HoldsNothingBack(decision.outcome)) hold_ = decision.outcome;
  if (count_ > 0) {
    const FocusDecision& newest = ring_[(next_ + kCapacity - 1) % kCapacity];
    if (newest.target == decision.target && newest.outcome == decision.outcome) return;
  }
  ring_[next_] = decision;
  next_ = (next_ + 1) % kCapacity;
  if (count_ < kCapacity) ++count_;
}

std::vector<FocusDecision> FocusLog::OldestFirst() const {
  std::vector<FocusDecision> decisions;
  decisions.reserve(count_);
  for (std::size_t i = 0; i < count_; ++i) {
    decisions.push_back(ring_[(next_ + kCapacity - count_ + i) % kCapacity]);
  }
  return decisions;
}

}  // namespace tarnwick
