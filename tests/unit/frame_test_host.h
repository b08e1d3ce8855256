// A host window for frame tests: counts the close requests it gets and can act
// inside the system's move loop that a drag starts.
#pragma once

#include <functional>

#include "frames/common/alert_frame.h"

namespace kxua::test {

class FrameTestHost final : public AlertHost {
 public:
  FrameTestHost() : AlertHost(0, L"Host") {
    SetBounds(0, 0, 400, 200);
    SetVisible(true);
  }
  int closeRequests = 0;
  std::function<void()> duringMove;

 protected:
  std::intptr_t WndProc(const platform::Message& message) override {
    if (IsCloseRequest(message)) {
      ++closeRequests;
      return 0;
    }
    if (message.id == platform::msg::SysCommand && duringMove) duringMove();
    return AlertHost::WndProc(message);
  }
};

}  // namespace kxua::test
