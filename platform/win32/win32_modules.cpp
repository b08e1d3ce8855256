// Modules, their resources and whole files on Win32.
#include "platform/win32/win32_platform.h"

namespace kxua::win32 {

namespace {

HMODULE AsHModule(platform::ModuleHandle module) { return reinterpret_cast<HMODULE>(module); }

}  // namespace

platform::ModuleHandle Win32Platform::LoadModule(const std::wstring& path) {
  return reinterpret_cast<platform::ModuleHandle>(LoadLibraryW(path.c_str()));
}

void Win32Platform::UnloadModule(platform::ModuleHandle module) {
  if (module != 0) FreeLibrary(AsHModule(module));
}

void* Win32Platform::FindFunction(platform::ModuleHandle module, const char* name) {
  if (module == 0) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(AsHModule(module), name));
}

std::optional<std::vector<std::uint8_t>> Win32Platform::ReadResource(platform::ModuleHandle module,
                                                                     std::uint32_t id,
                                                                     const std::wstring& type) {
  // Integer ids above 0xFFFF would be taken for string pointers.
  if (module == 0 || id > 0xFFFF) return std::nullopt;
  HRSRC found = FindResourceW(AsHModule(module), MAKEINTRESOURCEW(id), type.c_str());
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(AsHModule(module), found);
  const DWORD size = SizeofResource(AsHModule(module), found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return std::nullopt;
  const auto* first = static_cast<const std::uint8_t*>(bytes);
  return std::vector<std::uint8_t>(first, first + size);
}

}  // namespace kxua::win32
