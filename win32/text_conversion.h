#pragma once
#include <string>

#include "win32/win32_api.h"

namespace tarnwick::win32 {

// The program speaks UTF-8; Windows speaks UTF-16. Invalid input converts to U+FFFD
// rather than failing, so a stray byte never loses a whole title or setting.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);
std::string Narrow(const wchar_t* text, int length);
// A window's whole text, e.g. what an edit box holds now.
std::string WindowText(HWND window);

}  // namespace tarnwick::win32
