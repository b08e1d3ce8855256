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
  // `keysPage`: whether it pages with the arrow keys too, as the detection frames do.
  explicit PagingFrame(const FrameInput& input, bool keysPage = true)
      : AlertFrame(input, Reads::List), keysPage_(keysPage) {
    LoadFrame(TestLayouts());
  }
  std::wstring ClassName() const override { return L"TfrPagingTest"; }
  Kind FrameKind() const override { return Kind::Paging; }
  bool ArrowKeysPage() const override { return keysPage_; }

 protected:
  void Fill(IUINotification& notification) override {
    SetCounterFormat(ReadText(&notification, key::ElementsCounter, kText));
    ShowText(notification, key::TitleText, L"lbTopText");
  }

 private:
  bool keysPage_;
};

}  // namespace kxua::test
