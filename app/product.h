#pragma once
#include <string>

#include "tarnwick_version.h"

namespace tarnwick {

// Who and what this program is: one place for the names the user reads.
inline constexpr const char* kApplicationName = "Tarnwick";  // also the settings' application
// The build says which version this is.
inline constexpr const char* kProductTitle = "Tarnwick " TARNWICK_VERSION;  // tray tip, About
inline constexpr const char* kMakerAddress = "https://tarnwick.app";
inline constexpr const char* kMakerMail = "tarnwick@tarnwick.app";

inline const std::string kWindowCaption = std::string(kProductTitle) + " - " + kMakerAddress;
inline const std::string kAboutText = std::string(kProductTitle) +
                                      "\r\n\r\n"
                                      "Written by the Tarnwick developers\r\n" +
                                      kMakerMail + "\r\n" + kMakerAddress;

}  // namespace tarnwick
