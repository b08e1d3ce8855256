// Operations that an interception rule classes as dangerous: the rule, as a link
// to more information, and the program's path, as a link to its folder. Pages
// through the pending ones and closes by itself.
#pragma once

#include "frames/common/alert_frame.h"

namespace kxua {

class TfrDangerousOperation final : public AlertFrame {
 public:
  explicit TfrDangerousOperation(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrDangerousOperation"; }
  Kind FrameKind() const override { return Kind::Paging; }

 protected:
  bool ArrowKeysPage() const override { return true; }
  void Fill(IUINotification& notification) override;

 private:
  void lbPathClick();

  // The rule's template: the translated MainText, or the layout's caption. Kept
  // apart from the caption, which holds it filled.
  std::wstring ruleTemplate_;
};

}  // namespace kxua
