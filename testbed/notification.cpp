#include "testbed/notification.h"

#include <algorithm>

namespace kxua::testbed {

Notification& Notification::SetText(const std::wstring& key, const std::wstring& value) {
  std::lock_guard<std::mutex> lock(mutex_);
  values_[key] = value.substr(0, kLongestProductText);
  return *this;
}

Notification& Notification::SetNumber(const std::wstring& key, std::int32_t value) {
  std::lock_guard<std::mutex> lock(mutex_);
  values_[key] = value;
  return *this;
}

Notification& Notification::SetNumber64(const std::wstring& key, std::uint64_t value) {
  std::lock_guard<std::mutex> lock(mutex_);
  values_[key] = value;
  return *this;
}

Notification& Notification::SetFlag(const std::wstring& key, bool value) {
  return SetFlagByte(key, value ? 1 : 0);
}

Notification& Notification::SetFlagByte(const std::wstring& key, std::uint8_t value) {
  std::lock_guard<std::mutex> lock(mutex_);
  values_[key] = value;
  return *this;
}

std::vector<std::int32_t> Notification::Responses() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return responses_;
}

std::vector<std::pair<std::string, std::wstring>> Notification::Reads() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return reads_;
}

template <class T>
const T* Notification::Find(const wchar_t* key, const char* operation) {
  if (key == nullptr) return nullptr;
  reads_.emplace_back(operation, key);
  auto it = values_.find(key);
  return it == values_.end() ? nullptr : std::get_if<T>(&it->second);
}

std::int32_t Notification::GetText(const wchar_t* key, wchar_t* buffer) {
  std::lock_guard<std::mutex> lock(mutex_);
  const std::wstring* value = Find<std::wstring>(key, "text");
  if (value == nullptr || buffer == nullptr) return -1;
  // Like the product: the whole value and its terminator, no capacity asked.
  std::copy(value->begin(), value->end(), buffer);
  buffer[value->size()] = L'\0';
  return 0;
}

std::int32_t Notification::GetNumber(const wchar_t* key, std::int32_t& value) {
  std::lock_guard<std::mutex> lock(mutex_);
  const std::int32_t* found = Find<std::int32_t>(key, "number");
  if (found == nullptr) return -1;
  value = *found;
  return 0;
}

std::int32_t Notification::GetNumber64(const wchar_t* key, std::uint64_t& value) {
  std::lock_guard<std::mutex> lock(mutex_);
  const std::uint64_t* found = Find<std::uint64_t>(key, "number64");
  if (found == nullptr) return -1;
  value = *found;
  return 0;
}

std::int32_t Notification::GetFlag(const wchar_t* key, std::uint8_t& value) {
  std::lock_guard<std::mutex> lock(mutex_);
  const std::uint8_t* found = Find<std::uint8_t>(key, "flag");
  if (found == nullptr) return -1;
  value = *found;
  return 0;
}

std::int32_t Notification::SetResponse(const std::int32_t& response) {
  std::lock_guard<std::mutex> lock(mutex_);
  responses_.push_back(response);
  return 0;
}

}  // namespace kxua::testbed
