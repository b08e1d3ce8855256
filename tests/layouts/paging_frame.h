// A frame that pages through a list with every shared control
// (tests/layouts/paging_frame.layout.json): the frame tests' subject, and the
// stand-in for the detection frames in the host benchmark.
#pragma once

#include "frames/common/alert_frame.h"
#include "kxua/values.h"
#include "model/notification.h"
#include "tests/layouts/layouts.h"

namespace kxua::test {

class PagingFrame final : public AlertFrame {
 public:
  explicit PagingFrame(const FrameInput& input) : AlertFrame(input, Reads::List) {
    LoadFrame(TestLayouts());
  }
  std::wstring ClassName() const override { return L"TfrPagingTest"; }
  Kind FrameKind() const override { return Kind::Paging; }

 protected:
  void Fill(IUINotification& notification) override {
    SetCounterFormat(ReadText(&notification, key::ElementsCounter, kText));
    ShowText(notification, key::TitleText, L"lbTopText");
  }
};

}  // namespace kxua::test
