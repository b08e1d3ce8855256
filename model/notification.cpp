#include "model/notification.h"

#include <algorithm>
#include <memory>

namespace kxua {

std::wstring ReadText(IUINotification* notification, const wchar_t* key, std::size_t capacity,
                      const std::wstring& fallback) {
  if (capacity == 0) return std::wstring();
  const std::size_t limit = std::min(capacity - 1, kLongestProductText);
  if (notification == nullptr) return fallback.substr(0, limit);

  // One buffer per thread, allocated once: reads are frequent and the buffer large.
  thread_local std::unique_ptr<wchar_t[]> buffer;
  if (!buffer) buffer.reset(new wchar_t[kLongestProductText + 1]);
  const std::size_t preset = std::min(fallback.size(), kLongestProductText);
  std::copy_n(fallback.data(), preset, buffer.get());
  buffer[preset] = L'\0';
  notification->GetText(key, buffer.get());
  buffer[kLongestProductText] = L'\0';  // a value without terminator still ends here
  return std::wstring(buffer.get(), std::find(buffer.get(), buffer.get() + limit, L'\0'));
}

std::int32_t ReadNumber(IUINotification* notification, const wchar_t* key, std::int32_t fallback) {
  std::int32_t value = fallback;
  if (notification != nullptr) notification->GetNumber(key, value);
  return value;
}

std::uint64_t ReadNumber64(IUINotification* notification, const wchar_t* key,
                           std::uint64_t fallback) {
  std::uint64_t value = fallback;
  if (notification != nullptr) notification->GetNumber64(key, value);
  return value;
}

bool ReadFlag(IUINotification* notification, const wchar_t* key, bool fallback) {
  std::uint8_t value = fallback ? 1 : 0;
  if (notification != nullptr) notification->GetFlag(key, value);
  return value != 0;
}

std::optional<std::int32_t> FindNumber(IUINotification* notification, const wchar_t* key) {
  std::int32_t value = 0;
  if (notification == nullptr || notification->GetNumber(key, value) != 0) return std::nullopt;
  return value;
}

}  // namespace kxua
