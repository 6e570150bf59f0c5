#pragma once
#include "platform/event_loop.h"
#include "platform/file_system.h"
#include "platform/form_window.h"
#include "platform/screen.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/window_manager.h"

namespace tarnwick {

// Everything the program asks of the system, as one bundle of narrow interfaces.
struct Platform {
  SettingsStore& settings;
  WindowManager& windows;
  Screen& screen;
  Shell& shell;
  EventLoop& loop;
  FormWindow& form;
  FileSystem& files;
};

}  // namespace tarnwick
