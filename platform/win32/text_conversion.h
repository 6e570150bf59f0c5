#pragma once
#include <string>

namespace tarnwick::win32 {

// The program speaks UTF-8; Windows speaks UTF-16. Invalid input converts to U+FFFD
// rather than failing, so a stray byte never loses a whole title or setting.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);
std::string Narrow(const wchar_t* text, int length);

}  // namespace tarnwick::win32
