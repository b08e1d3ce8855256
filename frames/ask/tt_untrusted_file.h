// A file the product does not trust yet has been blocked; the user answers the
// notification's yes/no question (4 for the first button, 5 for the second). The
// information picture opens the file's properties and keeps them above the toast.
#pragma once

#include "frames/common/ask_alert_frame.h"
#include "frames/common/file_properties.h"

namespace kxua {

class TTUntrustedFile final : public AskAlertFrame, private PropertiesOwner {
 public:
  explicit TTUntrustedFile(const FrameInput& input);

  std::wstring ClassName() const override { return L"TTUntrustedFile"; }

 protected:
  void Fill(IUINotification& notification) override;

 private:
  void EnablePropertiesPicture(bool enabled) override;
  // The folder link opens the file's folder.
  void Text3ValueAnchorClick();
};

}  // namespace kxua
