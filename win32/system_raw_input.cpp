#include "win32/system_raw_input.h"

namespace tarnwick::win32 {

namespace {

constexpr USHORT kGenericDesktopPage = 1;
constexpr USHORT kMouseUsage = 2;

}  // namespace

POINT AbsoluteToPixels(LONG x, LONG y, bool virtualDesktop) {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (virtualDesktop) {
    area.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    area.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    area.right = area.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    area.bottom = area.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  }
  // 0..65535 spans the area, as the documentation converts it.
  constexpr int kFullScale = 65535;
  return POINT{area.left + MulDiv(x, area.right - area.left, kFullScale),
               area.top + MulDiv(y, area.bottom - area.top, kFullScale)};
}

RawMove AbsolutePointers::Step(HANDLE device, POINT at) {
  auto [last, first] = last_.try_emplace(device, at);
  const RawMove move{first ? 0 : static_cast<int>(at.x - last->second.x),
                     first ? 0 : static_cast<int>(at.y - last->second.y), true};
  last->second = at;
  return move;
}

SystemRawInput::~SystemRawInput() {
  if (registered_) Unregister();
}

bool SystemRawInput::StartDevice() {
  RAWINPUTDEVICE mouse{kGenericDesktopPage, kMouseUsage, RIDEV_INPUTSINK, target_};
  registered_ = RegisterRawInputDevices(&mouse, 1, sizeof(mouse)) != FALSE;
  return registered_;
}

void SystemRawInput::StopDevice() {
  Unregister();
  absolute_ = {};  // a report after a pause starts afresh
}

void SystemRawInput::Unregister() {
  RAWINPUTDEVICE mouse{kGenericDesktopPage, kMouseUsage, RIDEV_REMOVE, nullptr};
  RegisterRawInputDevices(&mouse, 1, sizeof(mouse));
  registered_ = false;
}

void SystemRawInput::Read(HRAWINPUT input) {
  if (!registered_) return;
  RAWINPUT data{};
  UINT size = sizeof(data);
  if (GetRawInputData(input, RID_INPUT, &data, &size, sizeof(RAWINPUTHEADER)) ==
      static_cast<UINT>(-1)) {
    return;
  }
  if (data.header.dwType != RIM_TYPEMOUSE) return;
  const RAWMOUSE& mouse = data.data.mouse;
  if ((mouse.usFlags & MOUSE_MOVE_ABSOLUTE) != 0) {
    const bool virtualDesktop = (mouse.usFlags & MOUSE_VIRTUAL_DESKTOP) != 0;
    const POINT at = AbsoluteToPixels(mouse.lLastX, mouse.lLastY, virtualDesktop);
    Deliver(absolute_.Step(data.header.hDevice, at));
    return;
  }
  Deliver({static_cast<int>(mouse.lLastX), static_cast<int>(mouse.lLastY)});
}

}  // namespace tarnwick::win32
