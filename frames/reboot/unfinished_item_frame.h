// What TfrNeedReboot and TfrFollowSteps share: an item the product could not
// finish with on its own, shown with its name, risk, path and type, a main text
// that the details link swaps for the secondary text, and one action button. They
// stay until the user closes them or acts, and write no response.
#pragma once

#include <optional>
#include <string>

#include "frames/common/alert_frame.h"

namespace kxua::ui {
class KXUAColors;
}

namespace kxua {

class UnfinishedItemFrame : public AlertFrame {
 public:
  // Gives the host window back the edge colour it had.
  ~UnfinishedItemFrame() override;

 protected:
  explicit UnfinishedItemFrame(const FrameInput& input);

  // Builds the frame with its own handlers and its action button, named `button`.
  void LoadItemFrame(Handlers own, const wchar_t* button);
  void Fill(IUINotification& notification) override;

  // Expands or collapses the details and sizes the header and the host to them.
  void ToggleDetails();

 private:
  void ShowDetails();
  void labelPathClick();
  // The host window's edge takes the warning colour while the frame shows.
  void ColorHostEdge();

  const wchar_t* button_ = L"";
  // What the main text shows collapsed and expanded.
  std::wstring mainHtml_, secondaryHtml_;
  ui::KXUAColors* hostEdge_ = nullptr;  // the host's ColorFondo; not owned
  std::optional<platform::Color> hostEdgeBefore_;
};

}  // namespace kxua
