#pragma once
#include <optional>
#include <string>

namespace tarnwick {

// Per-user string settings addressed by application, section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or nothing when the entry is absent or the store refused the read.
  virtual std::optional<std::string> Read(const std::string& application,
                                          const std::string& section, const std::string& key) = 0;
  // Creates or overwrites the entry; false when the store refused.
  virtual bool Write(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) = 0;
};

}  // namespace tarnwick
