#include "frames/common/ask_alert_frame.h"

#include <cwctype>

#include "frames/common/frame_layouts.h"
#include "kxua/values.h"
#include "model/actions.h"
#include "model/alert_colors.h"
#include "model/notification.h"
#include "model/path_conversion.h"

namespace kxua {

namespace {

// The location link that every ask alert with a location names.
constexpr wchar_t kLocationLink[] = L"lbUbicacion";

std::wstring LowerCase(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

}  // namespace

AskAlertFrame::AskAlertFrame(const FrameInput& input, Answers answers)
    : AlertFrame(input, Reads::OneNotification, kUntilAnswered), answers_(answers) {}

void AskAlertFrame::LoadAskFrame(const Handlers& own, const std::vector<ColorRule>& colors) {
  const auto answer = [this](std::int32_t response) {
    return [this, response](const ui::Event&) { Answer(response); };
  };
  Handlers handlers = {
      {"AdvSmoothButtonAllowClick", answer(answers_.first)},
      {"KXZEBtnAllowClick", answer(answers_.first)},
      {"BtnAllowClick", answer(answers_.first)},
      {"AdvSmoothButtonDenyClick", answer(answers_.second)},
      {"KXZEBtnDenyClick", answer(answers_.second)},
      {"BtnDenyClick", answer(answers_.second)},
      {"lbUbicacionClick",
       [this](const ui::Event&) {
         // No location (none given, or one that cannot be converted) opens nothing.
         auto* link = Find<ui::Control>(kLocationLink);
         if (link != nullptr && !link->Caption().empty()) OpenFolder(link->Caption());
       }},
  };
  for (const auto& [name, handler] : own) handlers[name] = handler;
  std::vector<ColorRule> rules = {
      {kAlertButtonTextColor, ColorPart::Font, L"KXZEBtnAllow"},
      {kAlertButtonTextColor, ColorPart::Font, L"KXZEBtnDeny"},
      {kAlertButtonTextColor, ColorPart::Font, L"BtnAllow"},
      {kAlertButtonTextColor, ColorPart::Font, L"BtnDeny"},
  };
  rules.insert(rules.end(), colors.begin(), colors.end());
  LoadFrame(FrameLayouts(), handlers, rules);
}

void AskAlertFrame::ShowLocation(IUINotification& notification, const wchar_t* control) {
  auto* link = Find<ui::Control>(control);
  if (link == nullptr) return;
  const std::wstring location = LowerCase(ToWin32Path(ReadText(&notification, key::Path, kPathText)));
  link->SetCaption(location);
  link->SetHint(location);  // whole, where the caption cuts the middle out
}

void AskAlertFrame::OpenFolder(const std::wstring& path) const { OpenShellFolder(Context(), path); }

}  // namespace kxua
