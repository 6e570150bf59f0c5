#pragma once
#include "seam/settings_store.h"

namespace tarnwick::win32 {

// Settings under HKEY_CURRENT_USER\Software\<application>\<section>, one REG_SZ value per
// key: the same place a user would look with regedit. A value of another type, or one longer
// than 65535 characters, reads as absent.
class RegistrySettings : public SettingsStore {
 public:
  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key) override;
  bool Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;
};

}  // namespace tarnwick::win32
