#pragma once

namespace tarnwick::win32 {

// The uninstaller runs the installed exe as "Tarnwick.exe /RemoveLogonEntry": only the
// program reads where a shortcut leads, and the log-on entry may start a portable copy.
// Whether the command line holds the switch; if it does, its work is done, with nothing
// shown and no claim on the single instance, so a running copy is left undisturbed.
bool RanUninstallSwitch();

}  // namespace tarnwick::win32
