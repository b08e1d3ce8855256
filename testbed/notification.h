// A notification of the stand-in product: a bag of named values that records every
// response written into it.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

#include "kxua/alerts.h"

namespace kxua::testbed {

class Notification final : public IUINotification {
 public:
  // Values beyond the product's limit are cut to it when stored.
  Notification& SetText(const std::wstring& key, const std::wstring& value);
  Notification& SetNumber(const std::wstring& key, std::int32_t value);
  Notification& SetNumber64(const std::wstring& key, std::uint64_t value);
  Notification& SetFlag(const std::wstring& key, bool value);
  // A flag stored as a raw byte, to see that any nonzero byte reads as true.
  Notification& SetFlagByte(const std::wstring& key, std::uint8_t value);

  std::vector<std::int32_t> Responses() const;
  // The keys read so far, in order, with their operation ("text", "number", ...).
  std::vector<std::pair<std::string, std::wstring>> Reads() const;

  std::int32_t KXUA_PRODUCT_CALL GetText(const wchar_t* key, wchar_t* buffer) override;
  std::int32_t KXUA_PRODUCT_CALL GetNumber(const wchar_t* key, std::int32_t& value) override;
  std::int32_t KXUA_PRODUCT_CALL GetNumber64(const wchar_t* key, std::uint64_t& value) override;
  std::int32_t KXUA_PRODUCT_CALL GetFlag(const wchar_t* key, std::uint8_t& value) override;
  std::int32_t KXUA_PRODUCT_CALL Reserved4() override { return -1; }
  std::int32_t KXUA_PRODUCT_CALL SetResponse(const std::int32_t& response) override;

 private:
  using Value = std::variant<std::wstring, std::int32_t, std::uint64_t, std::uint8_t>;
  template <class T>
  const T* Find(const wchar_t* key, const char* operation);

  mutable std::mutex mutex_;
  std::map<std::wstring, Value> values_;
  std::vector<std::int32_t> responses_;
  std::vector<std::pair<std::string, std::wstring>> reads_;
};

}  // namespace kxua::testbed
