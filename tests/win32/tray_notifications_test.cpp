#include "win32/tray_notifications.h"

#include <gtest/gtest.h>
// clang-format off
#include <shellapi.h>
// clang-format on

#include <vector>

namespace tarnwick::win32 {
namespace {

// The classic way: only the left button's press and the right one's release (or the menu
// key) ask for anything; moves, other releases and double clicks do not.
TEST(TrayNotifications, TheClassicWayKnowsThePressAndTheMenuAlone) {
  TrayNotifications tray;
  for (UINT message :
       std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, 0, 518}) {
    EXPECT_FALSE(tray.OnNotification(message, false).event) << message;
  }
  EXPECT_EQ(tray.OnNotification(WM_LBUTTONDOWN, false).event, TrayEvent::kIconPressed);
  EXPECT_EQ(tray.OnNotification(WM_RBUTTONUP, false).event, TrayEvent::kMenuRequested);
  EXPECT_EQ(tray.OnNotification(WM_CONTEXTMENU, false).event, TrayEvent::kMenuRequested);
}

// The fourth way: the keyboard works the icon, and a click reports its button messages and
// then the choice or the menu request; the balloon's showing is news of its own.
TEST(TrayNotifications, EachClickOrKeyCountsOnceAndTheKeyboardsMenuIsKnownAsSuch) {
  TrayNotifications tray;
  std::vector<TrayRequest> requests;
  for (UINT message : std::vector<UINT>{
           WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, NIN_SELECT,  // a left click
           WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU,                          // a right click
           NIN_KEYSELECT, WM_CONTEXTMENU, NIN_SELECT}) {  // Enter, the menu key, a bare choice
    const TrayRequest request = tray.OnNotification(message, true);
    if (request.event) requests.push_back(request);
  }
  ASSERT_EQ(requests.size(), 5U);
  EXPECT_EQ(requests[0].event, TrayEvent::kIconPressed);
  EXPECT_EQ(requests[1].event, TrayEvent::kMenuRequested);
  EXPECT_FALSE(requests[1].fromKeyboard) << "the focus stays where the user clicked";
  EXPECT_EQ(requests[2].event, TrayEvent::kIconPressed);
  EXPECT_EQ(requests[3].event, TrayEvent::kMenuRequested);
  EXPECT_TRUE(requests[3].fromKeyboard) << "the focus goes back to the icon";
  EXPECT_EQ(requests[4].event, TrayEvent::kIconPressed);
  for (bool fourthWay : {false, true}) {
    const TrayRequest shown = tray.OnNotification(NIN_BALLOONSHOW, fourthWay);
    EXPECT_TRUE(shown.noticeShown);
    EXPECT_FALSE(shown.event);
  }
}

}  // namespace
}  // namespace tarnwick::win32
