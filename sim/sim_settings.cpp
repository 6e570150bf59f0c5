#include "sim/sim_settings.h"

namespace tarnwick::sim {

std::optional<std::string> SimSettings::Read(const std::string& application,
                                             const std::string& section, const std::string& key) {
  if (refuseReads) return std::nullopt;
  auto found = stored.find({application, section, key});
  if (found == stored.end()) return std::nullopt;
  return found->second;
}

bool SimSettings::Write(const std::string& application, const std::string& section,
                        const std::string& key, const std::string& value) {
  ++writes;
  if (refuseWrites) return false;
  stored[{application, section, key}] = value;
  return true;
}

std::optional<std::string> SimSettings::Setting(const std::string& section,
                                                const std::string& key) const {
  auto found = stored.find({"Tarnwick", section, key});
  if (found == stored.end()) return std::nullopt;
  return found->second;
}

}  // namespace tarnwick::sim
