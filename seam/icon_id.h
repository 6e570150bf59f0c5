#pragma once

namespace tarnwick {

// The two pictures the main window switches between; its tray icon shows the same one.
enum class IconId { kApplication = 1, kDisabled = 2 };

}  // namespace tarnwick
