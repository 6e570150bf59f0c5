#pragma once
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "seam/settings_store.h"

namespace tarnwick::sim {

// The per-user store in memory: a test fills it, refuses it, and reads back what was kept.
class SimSettings : public SettingsStore {
 public:
  using Key = std::tuple<std::string, std::string, std::string>;  // application, section, key
  std::map<Key, std::string> stored;
  bool refuseReads = false;
  bool refuseWrites = false;
  int writes = 0;  // the program's writes, refused ones too
  // This program's own entry.
  std::optional<std::string> Setting(const std::string& section, const std::string& key) const;

  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key) override;
  bool Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;
};

}  // namespace tarnwick::sim
