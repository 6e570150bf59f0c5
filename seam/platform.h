#pragma once
#include "seam/event_loop.h"
#include "seam/file_system.h"
#include "seam/form_window.h"
#include "seam/key_activity.h"
#include "seam/raw_input.h"
#include "seam/screen.h"
#include "seam/settings_store.h"
#include "seam/shell.h"
#include "seam/system_facts.h"
#include "seam/text_rules.h"
#include "seam/window_manager.h"

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
  RawInput& rawInput;
  TextRules& text;
  SystemFacts& facts;
  KeyActivity& keys;
};

}  // namespace tarnwick
