// Modules and files of the simulation: registered in memory by tests and by the
// native demo, found by name regardless of letter case as on Windows.
#include <cwctype>

#include "platform/sim/sim_platform.h"

namespace kxua::sim {

namespace {

std::wstring Folded(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

std::wstring Upper(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
  return text;
}

// Where the simulated modules appear to be mapped, one 64 KiB step apart.
constexpr platform::ModuleHandle kFirstModule = 0x10000000;

}  // namespace

void SimPlatform::AddModule(const std::wstring& name, Resources resources) {
  Resources normalised;
  for (auto& [key, bytes] : resources) normalised[{Upper(key.first), key.second}] = std::move(bytes);
  ModuleEntry(name).resources = std::move(normalised);
}

SimPlatform::SimModule& SimPlatform::ModuleEntry(const std::wstring& name) {
  auto [entry, added] = modules_.try_emplace(Folded(name));
  if (added) entry->second.handle = kFirstModule + 0x10000 * (modules_.size() - 1);
  return entry->second;
}

void SimPlatform::AddModuleFunction(const std::wstring& module, const std::string& name,
                                    void* function) {
  ModuleEntry(module).functions[name] = function;
}

void* SimPlatform::FindFunction(platform::ModuleHandle module, const char* name) {
  for (const auto& entry : modules_) {
    if (entry.second.handle != module || entry.second.loads == 0) continue;
    auto function = entry.second.functions.find(name);
    return function == entry.second.functions.end() ? nullptr : function->second;
  }
  return nullptr;
}

int SimPlatform::LoadedModuleCount() const {
  int loads = 0;
  for (const auto& entry : modules_) loads += entry.second.loads;
  return loads;
}

int SimPlatform::ModuleLoads(const std::wstring& name) const {
  auto entry = modules_.find(Folded(name));
  return entry == modules_.end() ? 0 : entry->second.totalLoads;
}

platform::ModuleHandle SimPlatform::LoadModule(const std::wstring& path) {
  auto entry = modules_.find(Folded(path));
  if (entry == modules_.end()) return 0;
  ++entry->second.loads;
  ++entry->second.totalLoads;
  return entry->second.handle;
}

void SimPlatform::UnloadModule(platform::ModuleHandle module) {
  for (auto& entry : modules_)
    if (entry.second.handle == module && entry.second.loads > 0) --entry.second.loads;
}

std::optional<std::vector<std::uint8_t>> SimPlatform::ReadResource(platform::ModuleHandle module,
                                                                   std::uint32_t id,
                                                                   const std::wstring& type) {
  for (const auto& entry : modules_) {
    // A module that is not loaded is not mapped: its handle reaches nothing.
    if (entry.second.handle != module || entry.second.loads == 0) continue;
    auto resource = entry.second.resources.find({Upper(type), id});
    if (resource == entry.second.resources.end()) return std::nullopt;
    return resource->second;
  }
  return std::nullopt;
}

}  // namespace kxua::sim
