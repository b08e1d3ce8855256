// The stand-in product's "KXCCGUIUtils.ProductInfo" and "KXCCGUIUtils.Config".
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <variant>

#include "kxua/services.h"
#include "testbed/com_object.h"

namespace kxua::testbed {

// Answers GetProductVersionType with the installed product version type.
class ProductInfo final : public DispatchObject<ICCGUIProductInfo> {
 public:
  explicit ProductInfo(std::uint32_t versionType) : versionType_(versionType) {}
  void SetVersionType(std::uint32_t versionType) { versionType_ = versionType; }
  // Answers with a variant of `type` instead (VT_UI4 is the product's own answer).
  void SetAnswerType(VARTYPE type) { answerType_ = type; }

  HRESULT STDMETHODCALLTYPE GetProductVersionType(VARIANT* type) override;

 private:
  ~ProductInfo() override = default;
  std::uint32_t versionType_;
  VARTYPE answerType_ = VT_UI4;
};

// Answers GetConfigValue from a table of items; an unknown item is an error.
class Config final : public DispatchObject<ICCGUIConfig> {
 public:
  using Value = std::variant<bool, std::uint32_t, std::wstring>;
  void Set(LONG item, Value value);

  HRESULT STDMETHODCALLTYPE GetConfigValue(LONG item, VARIANT* value) override;

 private:
  ~Config() override = default;
  std::mutex mutex_;
  std::map<LONG, Value> items_;
};

}  // namespace kxua::testbed
