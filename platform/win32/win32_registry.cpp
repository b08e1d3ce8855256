// Registry reads on Win32. Values are written by other programs, so their stored
// size and terminator are not trusted.
#include <algorithm>

#include "platform/win32/win32_platform.h"

namespace kxua::win32 {

namespace {

// A value that keeps growing between the size query and the read is given up on
// after this many tries.
constexpr int kReadAttempts = 3;

class OpenKey {
 public:
  OpenKey(platform::RegistryRoot root, const std::wstring& path) {
    HKEY parent =
        root == platform::RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

std::optional<std::wstring> Win32Platform::ReadString(platform::RegistryRoot root,
                                                      const std::wstring& key,
                                                      const std::wstring& name,
                                                      std::size_t maxChars) {
  OpenKey opened(root, key);
  if (opened.get() == nullptr) return std::nullopt;
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type, nullptr, &bytes) !=
          ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    // Room for an odd trailing byte plus one zero the system never writes over, so
    // the text ends even when the stored value has no terminator.
    std::wstring buffer((bytes + 1) / sizeof(wchar_t) + 1, L'\0');
    DWORD capacity = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    const LSTATUS status = RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(&buffer[0]), &capacity);
    if (status == ERROR_MORE_DATA) {
      bytes = capacity;
      continue;
    }
    if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    // An odd byte count leaves half a character at the end; it is dropped.
    buffer.resize(std::min<std::size_t>({buffer.find(L'\0'), capacity / sizeof(wchar_t), maxChars}));
    return buffer;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> Win32Platform::ReadNumber(platform::RegistryRoot root,
                                                       const std::wstring& key,
                                                       const std::wstring& name) {
  OpenKey opened(root, key);
  if (opened.get() == nullptr) return std::nullopt;
  DWORD type = 0;
  DWORD value = 0;
  DWORD bytes = sizeof(value);
  if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(&value), &bytes) != ERROR_SUCCESS ||
      type != REG_DWORD || bytes != sizeof(value))
    return std::nullopt;
  return value;
}

}  // namespace kxua::win32
