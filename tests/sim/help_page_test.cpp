// The help page names the main window's controls as the screen shows them, so that a user
// can find each one by what the page calls it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/sim/sim_fixture.h"

namespace tarnwick::sim {
namespace {

class HelpPage : public SimFixture {};

std::string HelpPageText() {
  std::ifstream file(TARNWICK_HELP_PAGE, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// A caption as the user reads it: no access-key marks, no edge spaces.
std::string Shown(const std::string& caption) {
  std::string shown;
  for (char c : caption) {
    if (c != '&') shown += c;
  }
  while (!shown.empty() && shown.back() == ' ') shown.pop_back();
  return shown;
}

TEST_F(HelpPage, QuotesTheMainWindowsCaptions) {
  const std::string page = HelpPageText();
  ASSERT_FALSE(page.empty()) << TARNWICK_HELP_PAGE;
  Start();
  const std::vector<const CaptionedControl*> controls = {
      &form->Frame1,   &form->Command1,  &form->Command3, &form->Command5,      &form->Command4,
      &form->Command2, &form->Check1,    &form->Label3,   &form->Frame15,       &form->Label49,
      &form->Check7,   &form->Command20, &form->Check10,  &form->Check8,        &form->Check11,
      &form->Check12,  &form->Frame4,    &form->Check4,   &form->Frame2,        &form->Check2,
      &form->Label4,   &form->Check5,    &form->File,     &form->EnableDisable, &form->OptionsItem,
      &form->Exit,     &form->About,     &form->Help};
  for (const CaptionedControl* control : controls) {
    EXPECT_NE(page.find(Shown(control->Caption())), std::string::npos)
        << control->Name() << " shows \"" << Shown(control->Caption()) << "\"";
  }
}

}  // namespace
}  // namespace tarnwick::sim
