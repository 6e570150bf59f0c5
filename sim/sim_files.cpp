#include "sim/sim_files.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tarnwick::sim {

namespace {
constexpr const char* kShortcutPrefix = "shortcut to ";
}  // namespace

std::string SimFiles::ShortcutContent(const std::string& target, const std::string& folder) {
  return kShortcutPrefix + target + "\nstarting in " + folder;
}

std::string SimFiles::ShortcutTarget(const std::string& shortcut) {
  const auto found = contents.find(shortcut);
  if (found == contents.end() || !found->second.starts_with(kShortcutPrefix)) return {};
  const std::string& content = found->second;
  const size_t start = std::string(kShortcutPrefix).size();
  return content.substr(start, content.find('\n') - start);
}

bool SimFiles::ShortcutStarts(const std::string& shortcut, const std::string& program) {
  const std::string target = ShortcutTarget(shortcut);
  // File names compare as Windows compares them: letter case makes no difference.
  return !target.empty() && std::ranges::equal(target, program, [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

bool SimFiles::CopyFile(const std::string& source, const std::string& destination) {
  auto found = contents.find(source);
  if (refuseFileWrites || found == contents.end()) return false;
  contents[destination] = found->second;
  return true;
}

bool SimFiles::MoveFile(const std::string& source, const std::string& destination) {
  auto found = contents.find(source);
  if (refuseFileWrites || refuseFileMoves || found == contents.end()) return false;
  std::string content = std::move(found->second);
  contents.erase(found);
  contents[destination] = std::move(content);
  return true;
}

bool SimFiles::CreateShortcut(const std::string& path, const std::string& target,
                              const std::string& workingFolder) {
  if (refuseFileWrites) return false;
  contents[path] = ShortcutContent(target, workingFolder);
  return true;
}

bool SimFiles::ClearStartupDisabledMark(const std::string& fileName) {
  if (refuseMarkChanges) return startupDisabledMarks.count(fileName) == 0;
  startupDisabledMarks.erase(fileName);
  return true;
}

}  // namespace tarnwick::sim
