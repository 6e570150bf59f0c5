#include <optional>
#include <string>
#include <vector>

#include "tests/sim/focus_fixture.h"

namespace tarnwick::sim {
namespace {

using HoverDelayBox = FocusFixture;

constexpr const char* kNotNumeric = "The vaule must be numberic between 1 and 59999";
constexpr const char* kOutOfRange = "The value must be numeric between 1 and 59999";

struct Entry {
  std::string typed;
  const char* message;  // nullptr when accepted
  int intervalMs;       // when accepted
};

TEST_F(HoverDelayBox, ValidatesAppliesAndStoresEachEntry) {
  StartWithDelay("777");
  const std::vector<Entry> entries{
      {"1", nullptr, 1},         {"0.5", kOutOfRange, 0},     {"59998", nullptr, 59998},
      {"59999", kOutOfRange, 0}, {"59998.6", nullptr, 59999}, {"60000", kOutOfRange, 0},
      {"0", kOutOfRange, 0},     {"-20", kOutOfRange, 0},     {"2.5", nullptr, 2},
      {"", kNotNumeric, 0},      {"abc", kNotNumeric, 0},     {"12ms", kNotNumeric, 0},
      {"3.5", nullptr, 4},
  };
  int inForceMs = 777;
  std::string stored = "777";
  for (const Entry& entry : entries) {
    sim.shell.messages.clear();
    form->Text1.UserTyped(entry.typed);
    form->Text1.LostFocus();
    if (entry.message == nullptr) {
      inForceMs = entry.intervalMs;
      stored = entry.typed;
      EXPECT_TRUE(sim.shell.messages.empty()) << entry.typed;
      EXPECT_EQ(form->Text1.Text(), entry.typed) << "the box keeps the text as typed";
    } else {
      // The box offers the default, and what it shows is what is used and stored.
      inForceMs = 250;
      stored = "250";
      ASSERT_EQ(sim.shell.messages.size(), 1U) << entry.typed;
      EXPECT_EQ(sim.shell.messages[0].title, "Tarnwick");
      EXPECT_EQ(sim.shell.messages[0].text, entry.message) << entry.typed;
      EXPECT_EQ(sim.shell.messages[0].kind, MessageKind::kWarning) << "refused input warns";
      EXPECT_EQ(form->Text1.Text(), "250") << entry.typed;
    }
    EXPECT_EQ(form->Timer2.IntervalMs(), inForceMs) << entry.typed;
    EXPECT_EQ(sim.settings.Setting("Delay", "Interval"), stored) << entry.typed;
  }
}

TEST_F(HoverDelayBox, ARefusedEntryPutsTheDefaultInForceAndTheFocusBackInTheBox) {
  StartWithDelay("777");
  // The view is told where the focus goes, as the real window's view is.
  struct View : ControlObserver {
    void ControlChanged(const Control&) override {}
    void FocusRequested(const Control& control) override { focused.push_back(control.Name()); }
    std::vector<std::string> focused;
  } view;
  form->Text1.AttachObserver(&view);
  form->Text1.UserTyped("abc");
  form->Text1.LostFocus();
  EXPECT_EQ(form->Text1.Text(), "250");
  EXPECT_EQ(form->Timer2.IntervalMs(), 250) << "the box must not show a delay that is not used";
  EXPECT_EQ(sim.settings.Setting("Delay", "Interval"), "250");
  EXPECT_EQ(view.focused, std::vector<std::string>{"Text1"}) << "the user corrects it there";
  form->Text1.AttachObserver(nullptr);
}

TEST_F(HoverDelayBox, AnAcceptedDelayTimesTheNextWait) {
  Start();
  form->Text1.UserTyped("1500");
  form->Text1.LostFocus();
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(1749);
  EXPECT_TRUE(desktop.Activations().empty());
  desktop.RunUntil(1750);
  EXPECT_EQ(desktop.Activations(), std::vector<WindowHandle>{editor});
}

}  // namespace
TEST(HoverDelayDefault, TheTextTheBoxOffersIsTheDelayStartUpFallsBackTo) {
  const HoverDelay delay = CheckHoverDelay(kDefaultHoverDelayText);
  EXPECT_EQ(delay.verdict, HoverDelayVerdict::kAccepted);
  EXPECT_EQ(delay.intervalMs, kDefaultHoverDelayMs);
}

}  // namespace tarnwick::sim
