#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/settings.h"
#include "seam/settings_store.h"

namespace tarnwick {

// A text the Options window shows for one of its settings, as the user left it.
using ProposedText = std::pair<const Setting*, std::string>;

// What the Options window proposes, read into the record the program keeps: the options, or
// why they cannot be had and the setting to put right.
struct OptionsProposal {
  Options options;
  std::optional<SettingsRefusal> refusal;
};

// The program's settings as the user's store keeps them, under "Tarnwick", read and written
// by their rows.
class OptionsStore {
 public:
  explicit OptionsStore(SettingsStore& settings) : settings_(settings) {}

  // Every setting as stored; an absent, damaged or meaningless value gives its default, and
  // never two commands on one chord.
  Settings Load();
  // Whether the setting's stored value means nothing (an absent one means its default).
  bool Spoilt(const Setting& setting);
  // Writes one setting as the record holds it.
  void Save(const Settings& settings, const Setting& setting);
  // Writes every setting the Options window shows.
  void SaveOptions(const Settings& settings);

  // The Options window's texts for `options`.
  static std::vector<ProposedText> Texts(const Options& options);
  // `current` with the proposed texts read into it; each must mean something, and together
  // they must hold.
  static OptionsProposal Propose(const Options& current, const std::vector<ProposedText>& texts);

 private:
  std::optional<std::string> Stored(const Setting& setting);

  SettingsStore& settings_;
};

}  // namespace tarnwick
