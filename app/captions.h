#pragma once

namespace tarnwick {

// Buttons whose caption is the state they show; handlers compare against these, access-key
// "&" included.
inline constexpr const char* kEnabledCaption = "&Enabled";
inline constexpr const char* kDisabledCaption = "&Disabled";
inline constexpr const char* kWrapOffCaption = "Mouse Wrap is Off";
inline constexpr const char* kWrapOnCaption = "Mouse Wrap is On";

}  // namespace tarnwick
