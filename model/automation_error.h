#pragma once

#include <stdexcept>
#include <string>

#include "kxua/com.h"

namespace kxua {

// Abandons the operation in progress after the user chose to in a failure report.
// Window handlers catch it, so it ends the handler, never the run.
class AutomationError : public std::runtime_error {
 public:
  AutomationError(HRESULT code, std::wstring message)
      : std::runtime_error("automation error"), code_(code), message_(std::move(message)) {}

  HRESULT Code() const { return code_; }
  const std::wstring& Message() const { return message_; }

 private:
  HRESULT code_;
  std::wstring message_;
};

}  // namespace kxua
