// Quarantined items judged harmless and put back: the program's name and the folder
// it went back to, with a button that opens that folder. Pages through the pending
// ones and closes by itself.
#pragma once

#include "frames/common/alert_frame.h"

namespace kxua {

class TfrRestoredItems final : public AlertFrame {
 public:
  explicit TfrRestoredItems(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrRestoredItems"; }
  Kind FrameKind() const override { return Kind::Paging; }

 protected:
  bool ArrowKeysPage() const override { return true; }
  void Fill(IUINotification& notification) override;

 private:
  void kxzeButtonOpenFolderClick();

  // The main text's template: the translated MainText, or the layout's markup. Kept
  // apart from the label, which holds it filled.
  std::wstring mainTemplate_;
};

}  // namespace kxua
