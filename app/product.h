#pragma once
#include <string>

namespace tarnwick {

// Who and what this program is: one place for the names the user reads.
inline constexpr const char* kApplicationName = "Tarnwick";   // also the settings' application
inline constexpr const char* kProductTitle = "Tarnwick 2.1";  // the tray tip, About's first line
inline constexpr const char* kMakerAddress = "https://tarnwick.app";
inline constexpr const char* kMakerMail = "tarnwick@tarnwick.app";

inline const std::string kWindowCaption = std::string(kProductTitle) + " - " + kMakerAddress;
inline const std::string kAboutText = std::string(kProductTitle) +
                                      "\r\n\r\n"
                                      "Written by the Tarnwick developers\r\n" +
                                      kMakerMail + "\r\n" + kMakerAddress;

}  // namespace tarnwick
