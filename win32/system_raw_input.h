#pragma once
#include <map>

#include "seam/raw_input.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// Where an absolute report (0..65535 on each axis) points, in pixels of the virtual desktop
// or, without MOUSE_VIRTUAL_DESKTOP, of the primary monitor.
POINT AbsoluteToPixels(LONG x, LONG y, bool virtualDesktop);

// A tablet, a pen, a remote session or a virtual machine reports where the pointer is: each
// device's report becomes the pixels from its previous one (0, 0 for its first).
class AbsolutePointers {
 public:
  RawMove Step(HANDLE device, POINT at);

 private:
  std::map<HANDLE, POINT> last_;
};

// The mouse's raw movement, delivered as WM_INPUT to the main window also while another
// program is in front (RIDEV_INPUTSINK); the window hands each message to Read.
class SystemRawInput : public RawInput {
 public:
  explicit SystemRawInput(HWND target) : target_(target) {}
  SystemRawInput(const SystemRawInput&) = delete;
  SystemRawInput& operator=(const SystemRawInput&) = delete;
  ~SystemRawInput() override;
  void Read(HRAWINPUT input);

 protected:
  bool StartDevice() override;
  void StopDevice() override;

 private:
  void Unregister();

  HWND target_;
  bool registered_ = false;
  AbsolutePointers absolute_;
};

}  // namespace tarnwick::win32
