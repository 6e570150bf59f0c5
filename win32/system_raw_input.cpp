#include "win32/system_raw_input.h"

namespace tarnwick::win32 {

namespace {

constexpr USHORT kGenericDesktopPage = 1;
constexpr USHORT kMouseUsage = 2;

}  // namespace

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
  // A tablet, a remote session or a virtual machine reports where the pointer is, not how
  // far the hand moved: no push to read in that, but the hand is back, as it is with a
  // button or the wheel, so it is reported as input without movement.
  if ((mouse.usFlags & MOUSE_MOVE_ABSOLUTE) != 0) {
    Deliver({});
    return;
  }
  Deliver({static_cast<int>(mouse.lLastX), static_cast<int>(mouse.lLastY)});
}

}  // namespace tarnwick::win32
