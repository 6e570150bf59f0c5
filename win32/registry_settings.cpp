#include "win32/registry_settings.h"

#include "win32/text_conversion.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {
namespace {

// No setting comes near this; a longer value is damage, and reading megabytes of it at every
// start would only slow the start down before the program refuses it anyway.
constexpr DWORD kMaxValueChars = 65535;

std::wstring SubKey(const std::string& application, const std::string& section) {
  return L"Software\\" + Widen(application) + L"\\" + Widen(section);
}

}  // namespace

std::optional<std::string> RegistrySettings::Read(const std::string& application,
                                                  const std::string& section,
                                                  const std::string& key) {
  const std::wstring subKey = SubKey(application, section);
  const std::wstring name = Widen(key);
  // The value may grow between the size query and the read; try again a few times.
  for (int attempt = 0; attempt < 3; ++attempt) {
    DWORD bytes = 0;
    LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, subKey.c_str(), name.c_str(), RRF_RT_REG_SZ,
                                  nullptr, nullptr, &bytes);
    if (status != ERROR_SUCCESS) return std::nullopt;
    if (bytes / sizeof(wchar_t) > kMaxValueChars + 1) return std::nullopt;  // +1: the terminator
    std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    status = RegGetValueW(HKEY_CURRENT_USER, subKey.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                          buffer.data(), &bytes);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return std::nullopt;
    // RegGetValueW terminates the string; the size counts that terminator.
    buffer.resize(wcsnlen(buffer.c_str(), buffer.size()));
    return Narrow(buffer);
  }
  return std::nullopt;
}

bool RegistrySettings::Write(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& value) {
  const std::wstring data = Widen(value);
  const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return RegSetKeyValueW(HKEY_CURRENT_USER, SubKey(application, section).c_str(),
                         Widen(key).c_str(), REG_SZ, data.c_str(), bytes) == ERROR_SUCCESS;
}

}  // namespace tarnwick::win32
