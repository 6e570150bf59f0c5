// The Options window's choices, as the model applies them: chords, exclusions, the pause
// key, fullscreen programs, following only the mouse; stored at once, read at start-up.
#include "focus/options.h"

#include <string>
#include <vector>

#include "focus/exclusions.h"
#include "sim/sim_text_rules.h"
#include "tests/sim/focus_fixture.h"

namespace tarnwick::sim {
namespace {

// The Options window's limit, in characters as people count them.
constexpr size_t kLongestExclusionList = 16384;

using Handles = std::vector<WindowHandle>;
using OptionsTest = FocusFixture;

constexpr int kCtrlAlt = kCtrlBit | kAltBit;
constexpr int kKeyG = 'G';

Options WithToggle(Chord chord) {
  Options options;
  options.hotkeys[static_cast<int>(HotkeyCommand::kToggle)] = chord;
  return options;
}

// What the system says case is, in any script: the sim answers as Windows does.
TEST(Exclusions, IgnoreCaseInEveryScript) {
  SimTextRules text;
  const WindowFacts window{[] { return std::string("Σημειώσεις.exe"); },
                           [] { return std::string("ÉDITEUR"); },
                           [] { return std::string("ТЕСТ окно"); }};
  EXPECT_TRUE(MatchesExclusion({"title:тест"}, window, text));
  EXPECT_TRUE(MatchesExclusion({"Title: Окно "}, window, text));
  EXPECT_TRUE(MatchesExclusion({"class:éditeur"}, window, text));
  EXPECT_TRUE(MatchesExclusion({"ΣΗΜΕΙΏΣΕΙΣ.EXE"}, window, text));
  EXPECT_FALSE(MatchesExclusion({"class:editeur", "title:тесто", "σημειωσεις.exe"}, window, text))
      << "a letter with an accent is another letter";
}

TEST_F(OptionsTest, DefaultsReadExactlyAsTheProgramAlwaysDid) {
  Start();
  EXPECT_EQ(form->CurrentOptions(), Options{});
  EXPECT_EQ(form->Label1[1].Caption(),
            "*To disable Tarnwick, just hit Ctrl-Shift-F and hit Ctrl-Shift-F again to enable "
            "it. ");
  EXPECT_EQ(form->Label1[2].Caption(),
            "*To make application to Stay on Top then just hit Ctrl-Shift-T while your mouse is "
            "over the application. ");
  EXPECT_EQ(form->Label1[3].Caption(),
            "*To stop it from Staying on Top just Ctrl-Shift-R again while your mouse is over the "
            "application.");
  EXPECT_EQ(form->Label1[4].Caption(),
            "*To Force a Window to Stay Active hit Ctrl-Shift-A while your mouse is over the "
            "Application. Hit Ctrl-Shift-Q");
  EXPECT_FALSE(sim.settings.Setting("options", "Toggle").has_value()) << "nothing stored unasked";
}

TEST_F(OptionsTest, AReboundToggleAnswersItsNewChordOnlyAndIsStoredAndRestored) {
  Start();
  ASSERT_TRUE(form->ApplyOptions(WithToggle(Chord{kKeyG, kCtrlAlt})));
  EXPECT_EQ(sim.settings.Setting("options", "Toggle"), "Ctrl+Alt+G");
  EXPECT_EQ(sim.settings.Setting("options", "KeepOnTop"), "Ctrl+Shift+T") << "every value stored";
  form->WinHook1_KeyEvent('F', kCtrlShift);
  EXPECT_EQ(form->Command1.Caption(), "&Enabled") << "the old chord is free for the editor";
  form->WinHook1_KeyEvent(kKeyG, kCtrlAlt);
  EXPECT_EQ(form->Command1.Caption(), "&Disabled");
  EXPECT_EQ(form->Label1[1].Caption(),
            "*To disable Tarnwick, just hit Ctrl-Alt-G and hit Ctrl-Alt-G again to enable it. ");

  form.reset();
  Start();
  EXPECT_EQ(form->CurrentOptions().hotkeys[0], (Chord{kKeyG, kCtrlAlt}));
  form->WinHook1_KeyEvent(kKeyG, kCtrlAlt);
  EXPECT_EQ(form->Command1.Caption(), "&Enabled");
}

TEST_F(OptionsTest, NoneSwitchesACommandOff) {
  Start();
  Options options;
  options.hotkeys[static_cast<int>(HotkeyCommand::kPin)] = Chord{};
  options.hotkeys[static_cast<int>(HotkeyCommand::kToggle)] = Chord{};
  ASSERT_TRUE(form->ApplyOptions(options));
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(600);
  form->WinHook1_KeyEvent('A', kCtrlShift);
  form->WinHook1_KeyEvent(0, 0);  // a key code of 0 must not match the empty chord either
  EXPECT_EQ(form->focus.Pin(), std::nullopt);
  EXPECT_EQ(sim.settings.Setting("options", "Pin"), "None");
  EXPECT_EQ(form->Label1[1].Caption(),
            "*Enable/disable has no key: give it one under File, Options... ");
  EXPECT_EQ(form->Label1[4].Caption(),
            "*Pin has no key: give it one under File, Options... Unpin: hit Ctrl-Shift-Q");
}

TEST_F(OptionsTest, TwoCommandsOnOneChordAreRefusedWithAMessageThatNamesBoth) {
  Start();
  Options options;
  options.hotkeys[static_cast<int>(HotkeyCommand::kUnpin)] = Chord{'T', kCtrlShift};
  EXPECT_FALSE(form->ApplyOptions(options));
  ASSERT_EQ(sim.shell.messages.size(), 1U);
  EXPECT_EQ(sim.shell.messages[0].title, "Tarnwick");
  EXPECT_NE(sim.shell.messages[0].text.find("Ctrl+Shift+T"), std::string::npos);
  EXPECT_NE(sim.shell.messages[0].text.find("Keep on top"), std::string::npos);
  EXPECT_NE(sim.shell.messages[0].text.find("Unpin"), std::string::npos);
  EXPECT_EQ(form->CurrentOptions(), Options{}) << "nothing applied";
  EXPECT_FALSE(sim.settings.Setting("options", "Unpin").has_value()) << "nothing stored";

  options.hotkeys[static_cast<int>(HotkeyCommand::kUnpin)] = Chord{};
  options.hotkeys[static_cast<int>(HotkeyCommand::kPin)] = Chord{};
  EXPECT_TRUE(form->ApplyOptions(options)) << "two commands may both have no key";
}

TEST_F(OptionsTest, EachKindOfExclusionKeepsItsWindowFromBeingActivatedOrRecorded) {
  desktop.Window(editor).programFileName = "Notes.EXE";
  desktop.Window(dialog).className = "#32770";
  Start();
  Options options;
  options.exclusions = {"  notes.exe ", "class:#32770", "", "title:тест", "class:"};
  ASSERT_TRUE(form->ApplyOptions(options));
  EXPECT_EQ(sim.settings.Setting("options", "Exclusions"),
            "  notes.exe \nclass:#32770\ntitle:тест\nclass:")
      << "blank lines dropped, the rest kept as written";
  const WindowHandle titled = desktop.AddWindow("ТЕСТ окно", {600, 300, 800, 560});

  MoveAt(100, kOverEditorText);   // by program
  MoveAt(600, kOverOk);           // by class
  MoveAt(1100, Point{700, 400});  // by title, in any case and any script
  desktop.RunUntil(2000);
  EXPECT_TRUE(desktop.Activations().empty());
  EXPECT_EQ(form->focus.LastWindow(), kNoWindow);
  EXPECT_NE(desktop.Foreground(), titled);

  desktop.Window(dialog).className = "Other";
  MoveAt(2100, kOverCancel);
  desktop.RunUntil(2600);
  EXPECT_EQ(desktop.Activations(), Handles{dialog});
}

TEST_F(OptionsTest, NoExclusionsCostNoQuestions) {
  Start();
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(600);
  ASSERT_EQ(desktop.Activations(), Handles{editor});
  EXPECT_EQ(desktop.calls.optionQuestions, 1) << "only the fullscreen question, at activation";
}

TEST_F(OptionsTest, HoldingThePauseKeyHoldsTheActivationThroughTheWait) {
  Start();
  Options options;
  options.pauseKey = PauseKey::kAlt;
  ASSERT_TRUE(form->ApplyOptions(options));
  desktop.modifiersDown = {ModifierKey::kCtrl, ModifierKey::kShift};  // not the pause key
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(600);
  EXPECT_EQ(desktop.Activations(), Handles{editor});

  desktop.modifiersDown = {ModifierKey::kAlt};
  MoveAt(700, kOverDialog);  // wait 750 -> 1000
  desktop.At(1900, [&] { desktop.modifiersDown.clear(); });
  desktop.RunUntil(1900);
  EXPECT_EQ(desktop.Activations(), Handles{editor}) << "paused while Alt is held";
  EXPECT_EQ(desktop.calls.windowTitle, 2) << "the wait still ran";
  desktop.RunUntil(2500);  // free at 2000, a full delay from there
  EXPECT_EQ(desktop.Activations(), (Handles{editor, dialog}));
  EXPECT_EQ(sim.settings.Setting("options", "PauseKey"), "Alt");
}

TEST_F(OptionsTest, AFullscreenProgramInFrontIsNeverActivatedAwayFromNorItsCursorMoved) {
  Store("startup", "idel", "1");
  Store("startup", "mousewrap", "1");
  desktop.UserMovesCursor(kOverEditorText);
  Start();
  form->Text2.UserTyped("0.5");
  desktop.fullscreenInFront = true;
  form->focus.PinWindow(dialog);
  MoveAt(100, kOverOk);
  MoveAt(700, Point{0, 100});  // pushed against the left edge
  desktop.RunUntil(3000);
  EXPECT_TRUE(desktop.Activations().empty()) << "no follow, no pin";
  EXPECT_EQ(desktop.Cursor(), (Point{0, 100})) << "neither wrapped nor parked";
  EXPECT_TRUE(desktop.CursorMoves().empty());

  // The same with the option off: the literal behaviour.
  Options options;
  options.leaveFullscreenAlone = false;
  ASSERT_TRUE(form->ApplyOptions(options));
  desktop.RunFor(1000);
  EXPECT_FALSE(desktop.Activations().empty());
  EXPECT_FALSE(desktop.CursorMoves().empty());
  EXPECT_EQ(sim.settings.Setting("options", "LeaveFullscreenAlone"), "0");
}

TEST_F(OptionsTest, FollowingEveryChangeIsTheLiteralPollBack) {
  Start();
  Options options;
  options.followOnlyWhenMoved = false;
  ASSERT_TRUE(form->ApplyOptions(options));
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(600);
  const WindowHandle toast = desktop.AddWindow("Toast", {50, 50, 200, 200});
  desktop.RunUntil(1200);
  EXPECT_EQ(desktop.Activations(), (Handles{editor, toast}))
      << "a window appearing under the still cursor is followed again";
  EXPECT_EQ(sim.settings.Setting("options", "FollowOnlyWhenMoved"), "0");
}

// The limit the message names is in characters, however many bytes each takes.
TEST_F(OptionsTest, TheExclusionLimitCountsCharacters) {
  Start();
  std::string longest;
  for (size_t i = 0; i < kLongestExclusionList; ++i) longest += "\xF0\x9F\x98\x80";  // U+1F600
  Options options;
  options.exclusions = {longest};
  ASSERT_TRUE(form->ApplyOptions(options));
  form.reset();
  Start();
  EXPECT_EQ(form->CurrentOptions().exclusions, options.exclusions) << "read back whole";

  options.exclusions = {"\xC3\xA9", longest};  // "é" and a line more
  EXPECT_FALSE(form->ApplyOptions(options));
  ASSERT_EQ(sim.shell.messages.size(), 1U);
  EXPECT_NE(sim.shell.messages[0].text.find("under 16384 characters"), std::string::npos);
}

TEST_F(OptionsTest, GarbageInEveryStoredOptionFallsBackToItsDefault) {
  for (const char* command : {"Toggle", "KeepOnTop", "SendToBottom", "Pin", "Unpin"}) {
    Store("options", command, "Ctrl+Banana");
  }
  Store("options", "PauseKey", "alt");
  Store("options", "LeaveFullscreenAlone", "yes");
  Store("options", "FollowOnlyWhenMoved", "2");  // no greyed state here
  Store("options", "WrapOnlyOnPush", "on");
  Store("options", "RaiseMode", "never");
  Store("options", "RaiseDelayMs", "1e3");
  Store("options", "WaitUntilStill", "yes");
  Store("options", "Exclusions", std::string(20000, 'x'));
  Start();
  EXPECT_EQ(form->CurrentOptions(), Options{});
  EXPECT_TRUE(sim.form.visible);

  // Two commands stored on one chord: the defaults stand in for the chords.
  form.reset();
  Store("options", "Toggle", "Ctrl+Shift+T");
  Start();
  EXPECT_EQ(form->CurrentOptions().hotkeys, DefaultHotkeys());
}

}  // namespace
}  // namespace tarnwick::sim
