#include "tests/sim/soak/soak_run.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <vector>

#include "app/form1.h"
#include "common/number_text.h"
#include "cursor/screen_bounds.h"
#include "hotkeys/chord.h"
#include "sim/sim_system.h"

namespace tarnwick::sim {
namespace {

// The simulated desktop, watched: every activation, cursor move and poll tick is checked
// against what the program promises the moment it happens.
class WatchedDesktop : public SimDesktop {
 public:
  Form1* form = nullptr;
  std::string failure;
  std::int64_t hoverWaitStartedMs = -1;
  int activations = 0;
  int wraps = 0;
  int parks = 0;
  std::int64_t lastUserMoveMs = 0;
  bool movedOntoParkPoint = false;

  void Fail(const std::string& what) {
    if (failure.empty()) failure = what + " at " + std::to_string(NowMs()) + " ms";
  }

  // Windows the poll may not call on while a wait is pending.
  WindowHandle WindowFromPoint(Point position) override {
    if (inPollTick_ && waitPendingAtTickStart_) Fail("window lookup while a hover wait is pending");
    return SimDesktop::WindowFromPoint(position);
  }

  ActivationResult BringToForeground(WindowHandle window) override {
    const bool isPin = form != nullptr && form->focus.Pin() == window;
    if (form != nullptr && !isPin) {
      ++activations;
      if (mouseButtonDown || menuOpen || shellTransientInFront) {
        Fail("activation while the user is busy");
      }
      if (hoverWaitStartedMs < 0 || NowMs() - hoverWaitStartedMs < form->Timer2.IntervalMs()) {
        Fail("activation before a full hover delay");
      }
      if (Exists(window) && (Window(window).shell || Window(window).cloaked)) {
        Fail("the shell's own window or a cloaked one activated");
      }
    }
    return SimDesktop::BringToForeground(window);
  }

  bool MoveCursor(Point position) override {
    if (inWrapTick_ && !wrapMoveSeen_ && form != nullptr) {
      wrapMoveSeen_ = true;
      ++wraps;
      const Point at = Cursor();
      const bool tickedEdge = (at.x == 0 && form->Check8.IsChecked()) ||
                              (at.x == Metrics().widthPx - 1 && form->Check10.IsChecked()) ||
                              (at.y == 0 && form->Check11.IsChecked()) ||
                              (at.y == Metrics().heightPx - 1 && form->Check12.IsChecked());
      if (!tickedEdge) Fail("wrap away from a ticked edge");
    }
    return SimDesktop::MoveCursor(position);
  }

  void StartTimer(int timerId, int intervalMs, std::function<void()> onTick) override {
    if (timerId == kTimer2Id) hoverWaitStartedMs = NowMs();
    std::function<void()> watched = [this, timerId, onTick = std::move(onTick)] {
      if (timerId == kTimer1Id) {
        inPollTick_ = true;
        waitPendingAtTickStart_ = form != nullptr && form->focus.HoverWaitPending();
      }
      if (timerId == kTimer5Id) {
        inWrapTick_ = true;
        wrapMoveSeen_ = false;
      }
      const bool parkedBefore = form != nullptr && form->parking.Parked();
      const std::string delayBefore = form != nullptr ? form->Text2.Text() : std::string();
      onTick();
      inPollTick_ = false;
      inWrapTick_ = false;
      if (timerId == kTimer8Id && form != nullptr) CheckParkingTick(parkedBefore, delayBefore);
    };
    SimDesktop::StartTimer(timerId, intervalMs, std::move(watched));
  }

 private:
  // Parked only after the idle delay; put back by the first tick that sees the user's move,
  // unless the user changed the delay meanwhile or pushed the cursor into the corner itself.
  void CheckParkingTick(bool parkedBefore, const std::string& delayBefore) {
    const std::optional<double> seconds = ParseNumber(form->Text2.Text());
    if (!parkedBefore && form->parking.Parked()) {
      ++parks;
      parkedAtMs_ = NowMs();
      parkedWithDelay_ = form->Text2.Text();
      // A cursor the user pushes into the very corner counts as idle there from the start.
      if (seconds && *seconds > 0 && !movedOntoParkPoint &&
          NowMs() - lastUserMoveMs < *seconds * 1000) {
        Fail("parked before the idle delay");
      }
    }
    // A delay of nothing or less parks again on the next idle tick: nothing to watch then.
    const bool saneDelay = seconds && *seconds > 0.2;
    const bool puttingBackDue =
        parkedBefore && saneDelay && lastUserMoveMs > parkedAtMs_ && !movedOntoParkPoint &&
        !refuseCursorRead && delayBefore == parkedWithDelay_ && form->Text2.Text() == delayBefore;
    if (puttingBackDue && form->parking.Parked()) Fail("a parked cursor not put back when moved");
  }

  std::int64_t parkedAtMs_ = 0;
  std::string parkedWithDelay_;
  bool inPollTick_ = false;
  bool waitPendingAtTickStart_ = false;
  bool inWrapTick_ = false;
  bool wrapMoveSeen_ = false;
};

class SoakWorld {
 public:
  SoakWorld(std::uint64_t seed) : random_(seed) {
    desktop_.SetScreenPixels(800, 600);
    for (int i = 0; i < 4; ++i) AddRandomWindow();
    taskbar_ = desktop_.AddWindow("", {0, 570, 800, 600});
    desktop_.Window(taskbar_).shell = true;
    if (Chance(50)) sim_.settings.stored[{"Tarnwick", "startup", "idel"}] = "1";
    if (Chance(50)) sim_.settings.stored[{"Tarnwick", "startup", "mousewrap"}] = "1";
    if (Chance(20)) sim_.settings.stored[{"Tarnwick", "startup", "minimize"}] = "1";
    form_ = std::make_unique<Form1>(platform_);
    desktop_.form = form_.get();
    form_->Start();
    form_->Text2.UserTyped(Pick<std::string>({"0.5", "1", "2"}));
  }

  // One thing the user (or the system) does, then time passing.
  void Step() {
    switch (Uniform(0, 17)) {
      case 0:
      case 1:
      case 2:
        MoveAlongPath();
        break;
      case 3:
      case 4:
        Rest(Uniform(0, 4000));
        break;
      case 5:
        Drag();
        break;
      case 6:
        PressHotkey();
        break;
      case 7:
        ClickSomething();
        break;
      case 8:
        TypeIntoABox();
        break;
      case 9:
        WindowsComeAndGo();
        break;
      case 10:
        OpenAMenu();
        break;
      case 11:
        ChangeTheDisplay();
        break;
      case 12:
        RestartTheTaskbar();
        break;
      case 13:
        LockTheScreen();
        break;
      case 14:
        ApplyRandomOptions();
        break;
      case 15:
        CloakOrUncloak();
        break;
      case 16:
        PressHotkeyDuringAWait();
        break;
      default:
        Rest(Uniform(100, 30000));
        break;
    }
    Rest(Uniform(0, 600));
  }

  // Everything that must hold whenever the user looks.
  void Check() {
    if (!desktop_.failure.empty()) return;
    if (sim_.shell.trayIcons.size() > 1) desktop_.Fail("more than one tray icon");
    if (!sim_.form.visible && sim_.shell.trayIcons.size() != 1 && !form_->Ended()) {
      desktop_.Fail("hidden with no tray icon to bring it back");
    }
    CheckStoredSettings();
    const WindowHandle last = form_->focus.LastWindow();
    if (last != kNoWindow && desktop_.Exists(last) && desktop_.Window(last).shell) {
      desktop_.Fail("the taskbar became LastWindow");
    }
  }

  SoakResult Result(std::uint64_t seed, int steps) const {
    SoakResult result;
    result.seed = seed;
    result.virtualMs = desktop_.NowMs();
    result.steps = steps;
    result.activations = desktop_.activations;
    result.wraps = desktop_.wraps;
    result.parks = desktop_.parks;
    result.failure = desktop_.failure;
    return result;
  }
  std::int64_t NowMs() const { return desktop_.NowMs(); }
  bool Failed() const { return !desktop_.failure.empty(); }

 private:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(int percent) { return Uniform(1, 100) <= percent; }
  template <typename T>
  T Pick(std::initializer_list<T> choices) {
    return *(choices.begin() + Uniform(0, static_cast<int>(choices.size()) - 1));
  }
  Point RandomPoint() { return {Uniform(-20, 820), Uniform(-20, 620)}; }

  void Rest(int ms) { desktop_.RunFor(ms); }

  void UserMoves(Point to) {
    const Point before = desktop_.Cursor();
    desktop_.UserMovesCursor(to);
    // Pushing against the screen's edge moves nothing.
    if (desktop_.Cursor() == before) return;
    desktop_.lastUserMoveMs = desktop_.NowMs();
    // Pushed into the very corner, the cursor looks parked: it counts as resting there. So
    // does a hand that lands on the very pixel the last idle tick read (the position before
    // a park): the next tick cannot tell it from a rest.
    const Point landed = desktop_.Cursor();
    desktop_.movedOntoParkPoint =
        landed == form_->parking.ParkPoint() || landed == form_->parking.LastReadPosition();
  }

  // A hand moves the mouse, not the cursor: each step goes on from wherever the cursor is
  // now, also when the program has just moved it (a wrap, a park put back).
  void MoveAlongPath() {
    const Point from = desktop_.Cursor();
    const Point to = RandomPoint();
    const int steps = Uniform(1, 12);
    for (int i = 1; i <= steps; ++i) {
      const Point here = desktop_.Cursor();
      UserMoves({here.x + (to.x - from.x) / steps, here.y + (to.y - from.y) / steps});
      Rest(Uniform(5, 60));
    }
  }

  void Drag() {
    desktop_.mouseButtonDown = true;
    MoveAlongPath();
    Rest(Uniform(0, 2000));
    desktop_.mouseButtonDown = false;
  }

  void PressHotkey() {
    const int key = Pick<int>({'F', 'T', 'R', 'A', 'Q', 'G', 'F'});
    const int shift = Pick<int>({kCtrlShift, kCtrlShift, kCtrlShift | kAltBit, kCtrlBit | kAltBit});
    form_->WinHook1_KeyEvent(key, shift);
  }

  void PressHotkeyDuringAWait() {
    MoveAlongPath();
    Rest(Uniform(250, 300));  // the next poll tick starts a wait
    PressHotkey();
  }

  void ClickSomething() {
    switch (Uniform(0, 12)) {
      case 0:
        form_->Command1.Click();
        break;
      case 1:
        form_->Command4.Click();
        break;
      case 2:
        form_->Command20.Click();
        break;
      case 3:
        form_->Command3.Click();
        break;
      case 4:
        form_->Check1.UserClicked();
        break;
      case 5:
        form_->Check2.UserClicked();
        break;
      case 6:
        form_->Check5.UserClicked();
        break;
      case 7:
        form_->Check7.UserClicked();
        break;
      case 8:
        Pick<CheckBox*>({&form_->Check8, &form_->Check10, &form_->Check11, &form_->Check12})
            ->UserClicked();
        break;
      case 9:
        form_->Check4.UserClicked();
        break;
      case 10:
        form_->TrayNotification(TrayEvent::kIconPressed);
        break;
      case 11:
        form_->TrayNotification(TrayEvent::kMenuRequested);
        if (Chance(50))
          sim_.shell.ChooseTrayMenuEntry(Pick<std::string>({"&Show Tarnwick", "&Enabled"}));
        break;
      default:
        form_->SecondStartRequested();
        break;
    }
  }

  void TypeIntoABox() {
    const std::string text = Pick<std::string>(
        {"", "5", "50", "500", "abc", "0", "59999", "2.5", "-3", "1e3", "250", "1000", " 750 "});
    if (Chance(50)) {
      form_->Text1.UserTyped(text);
      if (Chance(70)) form_->Text1.LostFocus();
    } else {
      form_->Text2.UserTyped(Pick<std::string>({"", "0.5", "1", "x", "2", "-1", "0"}));
    }
  }

  void AddRandomWindow() {
    const int left = Uniform(0, 600), top = Uniform(0, 450);
    const WindowHandle window =
        desktop_.AddWindow(Chance(85) ? "Window " + std::to_string(Uniform(1, 99)) : "",
                           {left, top, left + Uniform(50, 400), top + Uniform(50, 300)});
    if (Chance(60)) {
      desktop_.AddWindow("", {left + 5, top + 20, left + 45, top + 45}, window);
    }
    windows_.push_back(window);
  }

  void WindowsComeAndGo() {
    if (windows_.size() < 3 || Chance(50)) {
      AddRandomWindow();
      return;
    }
    // Sometimes the pinned window or the last one handled: the program must cope.
    std::vector<WindowHandle> candidates = windows_;
    const WindowHandle doomed =
        Chance(30) && form_->focus.LastWindow() != kNoWindow &&
                desktop_.Exists(form_->focus.LastWindow()) && form_->focus.LastWindow() != taskbar_
            ? form_->focus.LastWindow()
            : candidates[static_cast<size_t>(Uniform(0, static_cast<int>(candidates.size()) - 1))];
    desktop_.DestroyWindow(doomed);
    std::erase(windows_, doomed);
  }

  void CloakOrUncloak() {
    if (windows_.empty()) return;
    const WindowHandle window =
        windows_[static_cast<size_t>(Uniform(0, static_cast<int>(windows_.size()) - 1))];
    if (desktop_.Exists(window)) desktop_.Window(window).cloaked = !desktop_.Window(window).cloaked;
  }

  // A menu or Start opened for a while; the cursor may wander meanwhile.
  void OpenAMenu() {
    bool& open = Chance(50) ? desktop_.menuOpen : desktop_.shellTransientInFront;
    open = true;
    if (Chance(50)) MoveAlongPath();
    Rest(Uniform(0, 3000));
    open = false;
  }

  // The workstation locked for a while: the cursor cannot be read.
  void LockTheScreen() {
    desktop_.refuseCursorRead = true;
    Rest(Uniform(0, 5000));
    desktop_.refuseCursorRead = false;
  }

  void ChangeTheDisplay() {
    const auto [width, height] =
        Pick<std::pair<int, int>>({{800, 600}, {1024, 768}, {640, 480}, {1920, 1080}});
    desktop_.SetScreenPixels(width, height);
    form_->Form_DisplayChange();
  }

  void RestartTheTaskbar() {
    sim_.shell.trayIcons.clear();
    form_->TaskbarCreated();
  }

  void ApplyRandomOptions() {
    Options options;
    if (Chance(30)) options.hotkeys[0] = Chord{'G', kCtrlBit | kAltBit};
    if (Chance(20)) options.hotkeys[3] = Chord{};
    if (Chance(10)) options.hotkeys[4] = options.hotkeys[1];  // refused: one chord twice
    if (Chance(30)) options.exclusions = {"title:Window 1", "class:none"};
    options.followOnlyWhenMoved = Chance(80);
    form_->ApplyOptions(options);
    sim_.shell.messages.clear();
  }

  void CheckStoredSettings() {
    const auto stored = [&](const Setting& setting) {
      return sim_.settings.Setting(setting.section, setting.key);
    };
    const std::pair<const Setting*, const CheckBox*> boxes[] = {
        {&kRunMinimizedSetting, &form_->Check1},     {&kIdleParkingSetting, &form_->Check2},
        {&kLaunchAtLogonSetting, &form_->Check4},    {&kTaskbarAllowanceSetting, &form_->Check5},
        {&kMouseWrapAtStartSetting, &form_->Check7}, {&kLeftWrapSetting, &form_->Check8},
        {&kRightWrapSetting, &form_->Check10},       {&kTopWrapSetting, &form_->Check11},
        {&kBottomWrapSetting, &form_->Check12}};
    for (const auto& [setting, box] : boxes) {
      const std::optional<std::string> value = stored(*setting);
      if (value && *value != (box->IsChecked() ? "1" : "0")) {
        desktop_.Fail(std::string("stored ") + setting->key + " differs from " + box->Name());
      }
    }
    const std::optional<std::string> disabled = stored(kDisabledSetting);
    if (disabled && *disabled != (form_->Command1.Caption() == kEnabledCaption ? "0" : "1")) {
      desktop_.Fail("stored disabled state differs from the button");
    }
    const std::optional<std::string> delay = stored(kHoverDelaySetting);
    if (delay && ToInt32(*delay) != form_->Timer2.IntervalMs()) {
      desktop_.Fail("stored delay differs from the delay in force");
    }
  }

  std::mt19937_64 random_;
  BasicSimSystem<WatchedDesktop> sim_;
  WatchedDesktop& desktop_ = sim_.desktop;
  Platform platform_ = sim_.AsPlatform();
  std::unique_ptr<Form1> form_;
  std::vector<WindowHandle> windows_;
  WindowHandle taskbar_ = kNoWindow;
};

}  // namespace

SoakResult RunSoak(std::uint64_t seed, std::int64_t virtualMs) {
  SoakWorld world(seed);
  int steps = 0;
  while (world.NowMs() < virtualMs && !world.Failed()) {
    world.Step();
    ++steps;
    world.Check();
  }
  SoakResult result = world.Result(seed, steps);
  if (!result.failure.empty()) result.failure += " (step " + std::to_string(steps) + ")";
  return result;
}

}  // namespace tarnwick::sim
