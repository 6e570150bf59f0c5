#pragma once

namespace tarnwick {

// The captions of the two buttons that show a state, access-key "&" included.
inline constexpr const char* kEnabledCaption = "&Enabled";
inline constexpr const char* kDisabledCaption = "&Disabled";
inline constexpr const char* kWrapOffCaption = "Mouse Wrap is Off";
inline constexpr const char* kWrapOnCaption = "Mouse Wrap is On";
// The main window's first help line.
inline constexpr const char* kFocusHelpLine =
    "Tarnwick automatically sets the focus of an application as your mouse passes over it. ";

}  // namespace tarnwick
