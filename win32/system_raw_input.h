#pragma once
#include "seam/raw_input.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

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
};

}  // namespace tarnwick::win32
