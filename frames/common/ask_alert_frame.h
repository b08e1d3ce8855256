// What every ask alert shares: a program waits for the user's answer. Two buttons
// write their response into the notification, once, and ask the host to close;
// the title band drags the toast; the footer names the product; a location link
// shows the program's folder and opens it. No close timer: the alert stays until
// answered, or until the host answers it with 0 when it expires.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frames/common/alert_frame.h"

namespace kxua {

class AskAlertFrame : public AlertFrame {
 protected:
  // The responses the two buttons give: the first (allow, yes, neutralize) and the
  // second (deny, block, no, exclude).
  struct Answers {
    std::int32_t first;
    std::int32_t second;
  };

  AskAlertFrame(const FrameInput& input, Answers answers);

  // LoadFrame with the answer buttons' handlers (whichever names the layout wires:
  // AdvSmoothButton..., KXZEBtn... or Btn... Allow/DenyClick), the location link's
  // lbUbicacionClick, the buttons' caption colour, then the frame's own.
  void LoadAskFrame(const Handlers& own = {}, const std::vector<ColorRule>& colors = {});

  // Shows the notification's Path in `control` as the user reads it: converted
  // from the driver's form and lower-cased. A click opens it as shown.
  void ShowLocation(IUINotification& notification, const wchar_t* control);
  // The translation of `id`, or the designed text of `control` (FrameTexts).
  std::wstring TranslationOrDesigned(const std::wstring& id, const wchar_t* control) {
    return Texts().TranslateOrDesigned(id, Find<ui::Control>(control));
  }
  // Asks the product to open the folder of `path`; nothing without a context.
  void OpenFolder(const std::wstring& path) const;

 private:
  Answers answers_;
};

}  // namespace kxua
