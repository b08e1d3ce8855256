#include "frames/common/alert_frame.h"

#include <algorithm>
#include <utility>

#include "frames/common/counter_text.h"
#include "frames/common/find_control.h"
#include "model/actions.h"
#include "model/alert_colors.h"
#include "model/notification.h"
#include "model/product_folders.h"
#include "ui/html_label.h"
#include "ui/kxua_controls.h"
#include "ui/timer_component.h"

namespace kxua {

namespace {

// Posted by a frame to itself: fit now that the panels have settled.
constexpr std::uint32_t kMsgFitPosted = 1424;
constexpr std::uintptr_t kKeyLeft = 37;
constexpr std::uintptr_t kKeyRight = 39;
// The details arrow's pictures.
constexpr int kDetailsExpandedPicture = 519;
constexpr int kDetailsCollapsedPicture = 520;
// The details link's captions; design-time Spanish captions that are text ids too.
constexpr wchar_t kDetailsCollapsedId[] = L"Detalles";
constexpr wchar_t kDetailsExpandedId[] = L"Ocultar";

// The names layouts give their resource path components. Each points at the
// resource library when the layout names it, at the images folder otherwise.
constexpr const wchar_t* kResourcePathNames[] = {L"ImagesPath", L"ResourcePath", L"ResourcesPath"};

}  // namespace

// Where each alert colour goes in every frame that has the control.
const std::vector<AlertFrame::ColorRule>& AlertFrame::SharedColors() {
  static const std::vector<ColorRule> rules = {
      {kAlertBodyBackColor, ColorPart::Background, L""},
      {kAlertBodyBackColor, ColorPart::Background, L"Panel5"},
      {kAlertBodyTextColor, ColorPart::Font, L"labelMainText"},
      {kAlertBodyTextColor, ColorPart::Font, L"Text1"},
      {kAlertBodyTextColor, ColorPart::Font, L"Text2"},
      {kAlertBodyTextColor, ColorPart::Font, L"Text3"},
      {kAlertBodyTextColor, ColorPart::Font, L"Text4"},
      {kAlertBodyTextColor, ColorPart::Font, L"Text5"},
      {kAlertTitleBackColor, ColorPart::Background, L"Panel1"},
      {kAlertTitleBackColor, ColorPart::Background, L"PanelLock"},
      {kAlertTitleBackColor, ColorPart::Background, L"PanelDetails"},
      {kAlertTitleTextColor, ColorPart::Font, L"lbTopText"},
      {kAlertTitleTextColor, ColorPart::Font, L"lbNumVirus"},
      {kAlertTitleDetailTextColor, ColorPart::Font, L"lbNumElements"},
      {kAlertFootBackColor, ColorPart::Background, L"Panel6"},
      {kAlertFootTextColor, ColorPart::Font, L"lbProductName"},
      {kAlertButtonTextColor, ColorPart::Font, L"kxzeButtonReboot"},
      {kAlertButtonTextColor, ColorPart::Font, L"ButtonAction"},
      {kAlertButtonTextColor, ColorPart::Font, L"KXZEBtnLArrow"},
      {kAlertButtonTextColor, ColorPart::Font, L"KXZEBtnRArrow"},
      {kAlertButtonTextColor, ColorPart::Font, L"BtnPrevious"},
      {kAlertButtonTextColor, ColorPart::Font, L"BtnNext"},
  };
  return rules;
}

AlertFrame::AlertFrame(const FrameInput& input, Reads reads, std::uint32_t viewingTimeMs)
    : ui::Frame(nullptr),
      host_(input.host),
      source_(reads == Reads::List ? input.source : nullptr),
      notification_(reads == Reads::OneNotification ? input.notification : nullptr),
      context_(input.context),
      texts_(input.context),
      viewingTime_(viewingTimeMs),
      remaining_(viewingTimeMs),
      findControlMessage_(platform::Get().RegisterMessage(kFindControlMessage)) {
  if (host_ != nullptr) SetParent(host_);
}

AlertFrame::AlertFrame(AlertHost* host, int width, int height)
    : AlertFrame(FrameInput{host}, Reads::List) {
  SetBounds(0, 0, width, height);
}

AlertFrame::~AlertFrame() {
  *alive_ = false;
  // The controls go while the frame's state, which their handlers use, is still here.
  DestroyComponents();
}

void AlertFrame::LoadFrame(const std::vector<ui::LayoutSource>& layouts, const Handlers& own,
                           const std::vector<ColorRule>& colors) {
  const std::wstring wide = ClassName();
  Handlers handlers = SharedHandlers();
  for (const auto& [name, handler] : own) handlers[name] = handler;
  ui::LoadLayoutOf(layouts, std::string(wide.begin(), wide.end()), *this,
                   ui::HandlersFrom(std::move(handlers)));
  FindSharedControls();
  if (viewingTime_ == kUntilAnswered) timerClose_ = nullptr;
  for (const wchar_t* name : kResourcePathNames)
    if (auto* path = Find<ui::KXUAResourcePath>(name))
      path->SetPathResource(path->DesignPath() == kResourceLibraryName ? GetResourceLibraryPath()
                                                                        : GetImagesFolder());
  SetRemaining(viewingTime_);
  if (timerClose_ != nullptr) {
    timerClose_->SetInterval(tickInterval_);
    timerClose_->SetEnabled(true);
  }
  ApplyColors(SharedColors());
  ApplyColors(colors);
  built_ = true;
  CreateFrameWindow();
}

AlertFrame::Handlers AlertFrame::SharedHandlers() {
  const auto call = [this](void (AlertFrame::*member)()) { return ui::MemberHandler(this, member); };
  const auto fit = [this](FitRule rule) { return [this, rule](const ui::Event&) { FitToPanels(rule); }; };
  return {
      {"Panel1MouseDown", call(&AlertFrame::Drag)},
      {"FrameMouseEnter", call(&AlertFrame::FrameMouseEnter)},
      {"FrameMouseLeave", call(&AlertFrame::FrameMouseLeave)},
      {"TimerCloseTimer", call(&AlertFrame::TimerCloseTimer)},
      {"KXZEBtnCloseClick", call(&AlertFrame::KXZEBtnCloseClick)},
      {"KXZEBtnLArrowClick", call(&AlertFrame::PreviousClick)},
      {"BtnPreviousClick", call(&AlertFrame::PreviousClick)},
      {"KXZEBtnRArrowClick", call(&AlertFrame::NextClick)},
      {"BtnNextClick", call(&AlertFrame::NextClick)},
      {"PanelsResize", fit(FitRule::HeaderAndBody)},
      {"FrameResize", fit(FitRule::LowestPanel)},
      {"PanelResize", fit(FitRule::LowestPanel)},
      {"Panel2Resize", fit(FitRule::LowestPanel)},
      {"labelDetailsClick", [this](const ui::Event&) { SetDetailsExpanded(!detailsExpanded_); }},
      {"kxzeButtonDetailsClick", [this](const ui::Event&) { SetDetailsExpanded(!detailsExpanded_); }},
  };
}

void AlertFrame::FindSharedControls() {
  timerClose_ = Find<ui::TimerComponent>(L"TimerClose");
  header_ = Find<ui::Control>(L"Panel1");
  body_ = Find<ui::Control>(L"Panel5");
  title_ = Find<ui::Control>(L"lbTopText");
  headerLock_ = Find<ui::Control>(L"PanelLock");
  productName_ = Find<ui::Control>(L"lbProductName");
  navigation_ = Find<ui::Control>(L"PanelDetails");
  counter_ = Find<ui::Control>(L"lbNumElements");
  bigNumber_ = Find<ui::Control>(L"lbNumVirus");
  leftArrow_ = Find<ui::KXUAButtonLuxEx>(L"KXZEBtnLArrow");
  if (leftArrow_ == nullptr) leftArrow_ = Find<ui::KXUAButtonLuxEx>(L"BtnPrevious");
  rightArrow_ = Find<ui::KXUAButtonLuxEx>(L"KXZEBtnRArrow");
  if (rightArrow_ == nullptr) rightArrow_ = Find<ui::KXUAButtonLuxEx>(L"BtnNext");
  detailsLink_ = Find<ui::Control>(L"labelDetails");
  detailsArrow_ = Find<ui::KXUAPaintBoxPngLux>(L"kxzeButtonDetails");
}

void AlertFrame::ApplyColors(const std::vector<ColorRule>& rules) {
  for (const ColorRule& rule : rules) {
    ui::Control* control = *rule.control == L'\0' ? this : Find<ui::Control>(rule.control);
    const std::optional<platform::Color> color = LoadedAlertColor(rule.colorId);
    if (control == nullptr || !color) continue;
    switch (rule.part) {
      case ColorPart::Background: control->SetColor(*color); break;
      case ColorPart::Font: control->SetFontColor(*color); break;
      case ColorPart::Link:
        if (auto* html = dynamic_cast<ui::HtmlLabel*>(control)) html->SetURLColor(*color);
        break;
      case ColorPart::StateBackground:
      case ColorPart::StateFont:
        if (auto* skin = dynamic_cast<ui::KXUAButtonSkin*>(control))
          for (ui::SkinState state : {ui::SkinState::Normal, ui::SkinState::Over, ui::SkinState::Down}) {
            if (rule.part == ColorPart::StateBackground)
              skin->SetBkGndColor(static_cast<int>(state), *color);
            else
              skin->SetFontColor(static_cast<int>(state), *color);
          }
        break;
    }
  }
}

bool AlertFrame::CreateFrameWindow() {
  // The window is named after the frame class, so tools can tell which alert shows.
  // It stays hidden until the host has placed it; the frame itself counts as
  // visible, so that its controls show and take clicks once the window does.
  return CreateHandle({host_ != nullptr ? host_->Handle() : 0, 0, WindowBounds(), ClassName()});
}

void AlertFrame::RequestClose() const {
  if (host_ != nullptr) host_->RequestClose();
}

void AlertFrame::Answer(std::int32_t response) {
  if (answered_) return;
  answered_ = true;
  if (IUINotification* notification = Shown()) notification->SetResponse(response);
  RequestClose();
}

bool AlertFrame::TimerRunning() const { return timerClose_ != nullptr && timerClose_->Enabled(); }

IUINotification* AlertFrame::Shown() const {
  if (source_ != nullptr) return source_->Item(index_);
  return notification_;
}

void AlertFrame::InitAlert() {
  if (source_ != nullptr) {
    UpdateCounter();
    if (count_ == 0) return;
    Show(0);
  } else if (notification_ != nullptr) {
    Fill(*notification_);
  } else {
    return;
  }
  ShowProductName(productName_);
}

void AlertFrame::RefreshAlerts() {
  UpdateCounter();
  // Restarted only when it runs: a toast paused under the mouse stays paused, and
  // one that asked to close does not ask again.
  if (TimerRunning()) {
    timerClose_->SetEnabled(false);
    timerClose_->SetEnabled(true);
  }
}

void AlertFrame::Show(std::uint32_t index) {
  if (source_ == nullptr) return;
  if (IUINotification* notification = source_->Item(index)) Fill(*notification);
  index_ = index;
  SetRemaining(viewingTime_);
  UpdateCounter();
}

void AlertFrame::SetRemaining(std::uint32_t ms) {
  remaining_ = ms;
  if (timerClose_ != nullptr && host_ != nullptr && fades_) ApplyFade(ms);
}

void AlertFrame::ApplyFade(std::uint32_t remainingMs) {
  if (remainingMs >= kFadeTimeMs)
    host_->SetOpaque();
  else
    host_->SetFade(static_cast<std::uint8_t>(std::uint64_t{remainingMs} * 255 / kFadeTimeMs));
}

void AlertFrame::StartCloseTimer(std::uint32_t viewingTimeMs, Fade fade) {
  timerClose_ = Find<ui::TimerComponent>(L"TimerClose");
  if (timerClose_ == nullptr) return;
  fades_ = fade == Fade::Yes;
  viewingTime_ = viewingTimeMs;
  SetRemaining(viewingTime_);
  timerClose_->SetInterval(tickInterval_);
  timerClose_->SetEnabled(true);
}

void AlertFrame::TimerCloseTimer() {
  if (tickInterval_ >= remaining_) {
    SetRemaining(0);
    // One close request: the host frees the frame when it gets to it.
    timerClose_->SetEnabled(false);
    RequestClose();
  } else {
    SetRemaining(remaining_ - tickInterval_);
  }
}

void AlertFrame::FrameMouseEnter() {
  if (timerClose_ == nullptr) return;
  timerClose_->SetEnabled(false);
  SetRemaining(viewingTime_);
}

void AlertFrame::FrameMouseLeave() {
  if (timerClose_ != nullptr) timerClose_->SetEnabled(true);
}

void AlertFrame::Drag() {
  // The mouse leaves the header while the window moves under it: that must not
  // start the countdown in the middle of the move.
  ui::EventHandler titleLeave, lockLeave;
  if (title_ != nullptr) titleLeave = std::exchange(title_->OnMouseLeave, nullptr);
  if (headerLock_ != nullptr) lockLeave = std::exchange(headerLock_->OnMouseLeave, nullptr);
  if (timerClose_ != nullptr) timerClose_->SetEnabled(false);

  const std::shared_ptr<bool> alive = alive_;
  if (host_ != nullptr) host_->BeginUserMove();
  // The move loop dispatches messages: the host may have freed the frame meanwhile.
  if (!*alive) return;

  if (timerClose_ != nullptr) {
    SetRemaining(viewingTime_);
    timerClose_->SetInterval(tickInterval_);
    timerClose_->SetEnabled(true);
  }
  if (title_ != nullptr) title_->OnMouseLeave = titleLeave;
  if (headerLock_ != nullptr) headerLock_->OnMouseLeave = lockLeave;
}

void AlertFrame::KXZEBtnCloseClick() { RequestClose(); }

void AlertFrame::PreviousClick() {
  if (index_ > 0) Show(index_ - 1);
}

void AlertFrame::NextClick() {
  if (index_ + 1 < count_) Show(index_ + 1);
}

void AlertFrame::UpdateCounter() {
  if (source_ == nullptr) return;
  const std::uint32_t old = count_;
  count_ = source_->Count();
  if (count_ > 1 && navigation_ != nullptr) navigation_->SetVisible(true);
  if (counter_ != nullptr) counter_->SetCaption(CounterText(counterFormat_, index_ + 1, count_));
  if (bigNumber_ != nullptr) bigNumber_->SetCaption(std::to_wstring(count_));
  const bool atFirst = index_ == 0;
  const bool atLast = index_ + 1 == count_;
  if (leftArrow_ != nullptr) leftArrow_->SetEnabled(!atFirst);
  if (rightArrow_ != nullptr) rightArrow_->SetEnabled(atFirst || !atLast);
  if (count_ != old) SetRemaining(viewingTime_);
}

void AlertFrame::ShowText(IUINotification& notification, const wchar_t* key, const wchar_t* control) {
  texts_.Show(Find<ui::Control>(control), ReadText(&notification, key, kText));
}

void AlertFrame::RunNotificationAction(const wchar_t* key) {
  IUINotification* notification = Shown();
  if (notification == nullptr) return;
  RunPreparedAction(Context(), ReadText(notification, key, kUrlText), PreparedObject::ExtendedAction);
}

void AlertFrame::SetUpDetails(ui::Control* block, ui::Control* lines) {
  detailsBlock_ = block;
  detailsLines_ = lines;
  detailsCollapsedText_ = texts_.Translate(kDetailsCollapsedId).value_or(kDetailsCollapsedId);
  detailsExpandedText_ = texts_.Translate(kDetailsExpandedId).value_or(kDetailsExpandedId);
  SetDetailsExpanded(false);
}

void AlertFrame::SetDetailsExpanded(bool expanded) {
  if (detailsBlock_ == nullptr || detailsLines_ == nullptr) return;
  detailsExpanded_ = expanded;
  if (expanded) {
    detailsLines_->SetVisible(true);
    int bottom = detailsLines_->Top();
    for (ui::Control* line : detailsLines_->Controls())
      if (line->Visible()) bottom = std::max(bottom, detailsLines_->Top() + line->Top() + line->Height());
    detailsBlock_->SetTop(bottom);
  } else {
    detailsBlock_->SetTop(0);
    detailsLines_->SetVisible(false);
  }
  if (detailsArrow_ != nullptr)
    detailsArrow_->SetResourceID(expanded ? kDetailsExpandedPicture : kDetailsCollapsedPicture);
  if (detailsLink_ != nullptr)
    detailsLink_->SetCaption(expanded ? detailsExpandedText_ : detailsCollapsedText_);
  FitHostHeight();
}

void AlertFrame::FitHostHeight() {
  if (host_ != nullptr) host_->FitHeight(Height());
}

void AlertFrame::PostFit() { PostMessage(kMsgFitPosted); }

void AlertFrame::RunPostedFit() {
  if (!built_ || fitting_ || host_ == nullptr) return;
  fitting_ = true;
  SuspendAutoSize();
  FitPosted();
  ResumeAutoSize();
  fitting_ = false;
}

void AlertFrame::FitToPanels(FitRule rule) {
  if (!built_ || fitting_) return;
  if (host_ == nullptr) return;
  int height = 0;
  if (rule == FitRule::HeaderAndBody && header_ != nullptr && body_ != nullptr) {
    height = header_->Height() + body_->Height();
  } else {
    // A panel reports its new size before its parent has moved the panels below it.
    Realign();
    for (ui::Control* panel : Controls())
      if (panel->Visible()) height = std::max(height, panel->Top() + panel->Height());
  }
  fitting_ = true;
  SetHeight(height);
  FitHostHeight();
  fitting_ = false;
}

void AlertFrame::KeyPressed(std::uintptr_t virtualKey) {
  if (!ArrowKeysPage()) return;
  if (virtualKey == kKeyLeft && leftArrow_ != nullptr && leftArrow_->Enabled()) PreviousClick();
  if (virtualKey == kKeyRight && rightArrow_ != nullptr && rightArrow_->Enabled()) NextClick();
}

std::intptr_t AlertFrame::WndProc(const platform::Message& message) {
  if (std::optional<std::uintptr_t> key = ForwardedKey(message)) {
    KeyPressed(*key);
    return 0;
  }
  if (message.id == kMsgFitPosted) {
    RunPostedFit();
    return 0;
  }
  if (message.id != findControlMessage_ || findControlMessage_ == 0) return ui::Frame::WndProc(message);
  // Anyone may send the message; a first parameter wider than an atom names nothing.
  if (message.wParam > 0xFFFF) return kControlAbsent;
  const std::wstring name = platform::Get().GlobalAtomName(static_cast<std::uint16_t>(message.wParam));
  auto* control = name.empty() ? nullptr : Find<ui::Control>(name);
  // Only a control this window shows can be pointed at.
  if (control == nullptr || !control->Showing() || control->HostWindow() != this) return kControlAbsent;
  const platform::Point origin = control->OriginInWindow();
  const platform::Point centre{origin.x + control->Width() / 2, origin.y + control->Height() / 2};
  if (centre.x < 0 || centre.y < 0 || centre.x >= Width() || centre.y >= Height()) return kControlAbsent;
  return PackControlCentre(centre);
}

}  // namespace kxua
