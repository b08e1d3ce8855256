// The simulation's in-memory file system.
#include <cwctype>

#include "platform/sim/sim_platform.h"

namespace kxua::sim {

std::wstring SimPlatform::FileKey(const std::wstring& path) {
  std::wstring key = path;
  for (wchar_t& c : key) c = c == L'/' ? L'\\' : static_cast<wchar_t>(std::towlower(c));
  return key;
}

void SimPlatform::SetFile(const std::wstring& path, std::vector<std::uint8_t> content) {
  files_[FileKey(path)] = std::move(content);
}

std::optional<std::vector<std::uint8_t>> SimPlatform::ReadFile(const std::wstring& path) {
  const std::wstring key = FileKey(path);
  ++fileReads_[key];
  auto it = files_.find(key);
  if (it == files_.end() || it->second.size() > kLargestFile) return std::nullopt;
  return it->second;
}

int SimPlatform::FileReads(const std::wstring& path) const {
  auto it = fileReads_.find(FileKey(path));
  return it == fileReads_.end() ? 0 : it->second;
}

}  // namespace kxua::sim
