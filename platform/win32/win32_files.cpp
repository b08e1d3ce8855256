// File reads on Win32. Other programs may write or replace a file while it is read,
// so the size found first is only an upper bound.
#include "platform/win32/win32_platform.h"

namespace kxua::win32 {

namespace {

class OpenFile {
 public:
  explicit OpenFile(const std::wstring& path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                            nullptr)) {}
  ~OpenFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> Win32Platform::ReadFile(const std::wstring& path) {
  if (path.empty()) return std::nullopt;
  OpenFile file(path);
  if (file.get() == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > kLargestFile)
    return std::nullopt;
  std::vector<std::uint8_t> content(static_cast<std::size_t>(size.QuadPart));
  std::size_t filled = 0;
  while (filled < content.size()) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), content.data() + filled,
                    static_cast<DWORD>(content.size() - filled), &read, nullptr))
      return std::nullopt;
    if (read == 0) break;  // the file shrank since its size was taken
    filled += read;
  }
  content.resize(filled);
  return content;
}

}  // namespace kxua::win32
