#include "win32/form_layout.h"

namespace tarnwick::win32 {
namespace {

// Lower half, left to right: "Focus Menu", "Mouse Wrap Menu", then "Auto Lanuch" above
// "Auto Hide ". The gap between the second frame and the column (x 508..520 px) is kept
// clear on purpose: nothing lives there.
constexpr int kFramesTop = 2880;
constexpr int kFramesBottom = 5715;
constexpr int kFocusLeft = 60, kFocusRight = 3780;
constexpr int kWrapLeft = 3840, kWrapRight = 7620;
constexpr int kColumnLeft = 7800, kColumnRight = 9990;
constexpr int kLaunchBottom = 3900;
constexpr int kButtonHeight = 375, kCheckHeight = 300, kTextHeight = 330, kLabelHeight = 255;

}  // namespace

std::vector<ControlPlacement> MainWindowLayout(Form1& form) {
  std::vector<ControlPlacement> layout = {
      // Tab order: frame by frame from left to right, in each from top to bottom and left
      // to right. A box's label comes right before it: screen readers name a box by it.
      {&form.Command1, {180, 3120, 1080, kButtonHeight}},
      {&form.Command3, {1320, 3120, 1080, kButtonHeight}},
      {&form.Command5, {2460, 3120, 1080, kButtonHeight}},
      {&form.Command4, {180, 3600, 1080, kButtonHeight}},
      {&form.Command2, {1320, 3600, 1080, kButtonHeight}},
      {&form.Label3, {180, 4080, 2400, 420}},
      {&form.Text1, {2640, 4110, 900, kTextHeight}},
      {&form.Check1, {180, 4740, 3480, kCheckHeight}},
      {&form.Command20, {3960, 3120, 2280, kButtonHeight}},
      {&form.Check7, {3960, 3600, 3480, kCheckHeight}},
      {&form.Check8, {3960, 4020, 1560, kCheckHeight}},
      {&form.Check10, {5640, 4020, 1560, kCheckHeight}},
      {&form.Check11, {3960, 4380, 1560, kCheckHeight}},
      {&form.Check12, {5640, 4380, 1560, kCheckHeight}},
      {&form.Label49, {3960, 4905, 1260, kLabelHeight}},
      {&form.Text35, {5280, 4860, 900, kTextHeight}},
      {&form.Check4, {7920, 3120, 1980, 600}},
      {&form.Check2, {7920, 4200, 1980, 480}},
      {&form.Label4, {7920, 4815, 960, kLabelHeight}},
      {&form.Text2, {8940, 4770, 600, kTextHeight}},
      {&form.Check5, {7920, 5175, 1980, 450}},
      // Frames last, beneath everything they hold.
      {&form.Frame1,
       {kFocusLeft, kFramesTop, kFocusRight - kFocusLeft, kFramesBottom - kFramesTop}},
      {&form.Frame15, {kWrapLeft, kFramesTop, kWrapRight - kWrapLeft, kFramesBottom - kFramesTop}},
      {&form.Frame4,
       {kColumnLeft, kFramesTop, kColumnRight - kColumnLeft, kLaunchBottom - kFramesTop}},
      {&form.Frame2,
       {kColumnLeft, kLaunchBottom + 60, kColumnRight - kColumnLeft,
        kFramesBottom - kLaunchBottom - 60}},
  };
  // Help texts fill the upper half, one under the other, full width.
  const int helpTops[] = {0, 660, 1200, 1740, 2280};
  const int helpHeights[] = {660, 540, 540, 540, 540};
  for (size_t i = 0; i < form.Label1.size(); ++i) {
    layout.push_back({&form.Label1[i],
                      {60, helpTops[i], 9930, helpHeights[i]},
                      i == 0 ? FontRole::kHelpTitle : FontRole::kHelpText});
  }
  return layout;
}

const Control& InitialFocus(Form1& form) {
  return form.Check8;  // "Left", the first of the wrap edges
}

}  // namespace tarnwick::win32
