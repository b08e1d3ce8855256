#include "host/toast_main_form.h"

#include <algorithm>
#include <array>

#include "frames/common/alert_constants.h"
#include "frames/common/translate_components.h"
#include "frames/frame_families.h"
#include "host/layouts.h"
#include "host/modern_toast.h"
#include "kxua/values.h"
#include "model/alert_colors.h"
#include "model/actions.h"
#include "model/notification.h"
#include "ui/layout.h"

namespace kxua {

namespace {
// The `action` text of a prepared-action alert fits 49 characters.
constexpr std::size_t kActionText = 50;
constexpr std::uintptr_t kKeyF4 = 0x73;
constexpr std::uint32_t kMsgSysKeyDown = 0x0104;
}  // namespace

std::int32_t TToastMainForm::CallBackPart::OnNewAlert() {
  // Bursts of new alerts become one check when the timer fires.
  form_.TimerNewAlert->SetEnabled(true);
  return 0;
}

std::int32_t TToastMainForm::CallBackPart::OnAlertsChanged() {
  form_.PostMessage(kMsgCheckAlerts);
  return 0;
}

TToastMainForm::TToastMainForm(IUIAlertsManager* manager, IZYMApplicationContext* context)
    : AlertHost(kExStyle, L"TToastMainForm"),
      manager_(manager),
      context_(context),
      settings_(*productSettings_) {
  LoadOwnLayout();
  productSettings_->Initialize(CZYMUtils::kAlertClient, context_.Get());
  LoadAlertColors();
  if (SUCCEEDED(translator_->Initialize(CZYMUtils::kAlertClient, context_.Get())))
    TranslateComponents(*translator_, this);
  closeMessage_ = platform::Get().RegisterMessage(kCloseSysAlertsName);
  SetBounds(kOffScreenPx, kOffScreenPx, Width(), Height());
  if (std::optional<platform::Color> edge = LoadedAlertColor(kAlertTitleBackColor)) ColorFondo->SetColorUp(*edge);
}

void TToastMainForm::LoadOwnLayout() {
  using Self = TToastMainForm;
  ui::LoadLayout(ui::FindLayout(HostLayouts(), "TToastMainForm"), *this,
                 ui::HandlersFrom({{"TimerNewAlertTimer", ui::MemberHandler(this, &Self::TimerNewAlertTimer)},
                                   {"TimerCloseTimer", ui::MemberHandler(this, &Self::TimerCloseTimer)},
                                   {"TimerActivateTimer", ui::MemberHandler(this, &Self::TimerActivateTimer)},
                                   {"DiscardAlertTimer", ui::MemberHandler(this, &Self::DiscardAlertTimer)},
                                   // The run loop hands the thread's messages over itself.
                                   {"ApplicationEvents1Message", [](const ui::Event&) {}}}));
  Fondo = Find<ui::KXUAPaintBoxPngLux>(L"Fondo");
  ColorFondo = Find<ui::KXUAColors>(L"ColorFondo");
  TimerNewAlert = Find<ui::TimerComponent>(L"TimerNewAlert");
  TimerClose = Find<ui::TimerComponent>(L"TimerClose");
  TimerActivate = Find<ui::TimerComponent>(L"TimerActivate");
  DiscardAlert = Find<ui::TimerComponent>(L"DiscardAlert");
}

void TToastMainForm::TimerNewAlertTimer() {
  TimerNewAlert->SetEnabled(false);
  PostMessage(kMsgCheckAlerts);
}

void TToastMainForm::TimerCloseTimer() {
  TimerClose->SetEnabled(false);
  // An alert that arrived since the empty check keeps the run going.
  std::uint32_t total = 0;
  if (manager_ != nullptr) manager_->GetTotalCount(total);
  PostMessage(total == 0 ? closeMessage_ : kMsgCheckAlerts);
}

TToastMainForm::~TToastMainForm() {
  frame_.reset();  // the frame's window is a child of ours
}

void TToastMainForm::Close() { SetVisible(false); }

void TToastMainForm::Finalize() {
  if (manager_ != nullptr) manager_->SetCallBack(nullptr);
  finalized_ = true;
  TimerNewAlert->SetEnabled(false);
  TimerClose->SetEnabled(false);
  Close();
}

std::intptr_t TToastMainForm::WndProc(const platform::Message& message) {
  if (finalized_) return AlertHost::WndProc(message);
  if (IsCloseRequest(message)) {
    CloseCurrentAlert();
    return 0;
  }
  switch (message.id) {
    case kMsgCheckAlerts:
    case kMsgCheckAlerts2: ProcessAlerts(); return 0;
    // A toast goes when its alert is done, never by Alt+F4 or a close request.
    case platform::msg::Close: return 0;
    case platform::msg::KeyDown:
    case kMsgSysKeyDown:
      if (message.wParam == kKeyF4) return 0;
      return AlertHost::WndProc(message);
    case platform::msg::WindowPosChanging:
      // Anyone may send the message; only the system's comes with the position.
      if (message.lParam != 0) GuardPosition(*reinterpret_cast<platform::WindowPos*>(message.lParam));
      return AlertHost::WndProc(message);
    case platform::msg::SysCommand: {
      if ((message.wParam & 0xFFF0) != platform::syscommand::Move) return AlertHost::WndProc(message);
      // The system's move loop runs inside this call: the user is dragging.
      moving_ = true;
      const std::intptr_t result = AlertHost::WndProc(message);
      moving_ = false;
      platform::Platform& system = platform::Get();
      const platform::Rect bounds = system.GetBounds(Handle());
      const platform::Rect settled =
          SettleAfterMove(bounds, WorkArea(system.ScreenSize(), system.TaskbarRect()));
      if (settled != bounds) SetBounds(settled.left, settled.top, settled.Width(), settled.Height());
      return result;
    }
    default: return AlertHost::WndProc(message);
  }
}

void TToastMainForm::ApplicationEvents1Message(const platform::Message& message) {
  if (message.id == platform::msg::KeyDown && frame_ && !finalized_)
    ForwardKey(frame_->Handle(), message.wParam);
}

void TToastMainForm::ProcessAlerts() {
  std::uint32_t total = 0;
  if (manager_ != nullptr) manager_->GetTotalCount(total);
  if (total == 0) {
    TimerClose->SetEnabled(true);
    return;
  }
  TimerClose->SetEnabled(false);
  // A single alert on screen is never replaced.
  if (currentList_ == ListAlerts) return;

  std::array<std::uint32_t, 3> counts{};
  for (std::int32_t list : {ListAlerts, ListNotifications, ListCampaigns})
    manager_->GetCount(list, counts[static_cast<std::size_t>(list)]);

  // An alert that may not appear now is removed for good, not held back.
  if (counts[ListAlerts] > 0) {
    currentList_ = ListAlerts;
    if (!gameMode_.MayShowAskAlert() || AnsweredForFullScreen()) return CloseCurrentAlert();
    CreateSingleAlertFrame();
    ShowIfHidden();
    RaiseModernToast(*translator_);
  } else if (counts[ListNotifications] > 0) {
    currentList_ = ListNotifications;
    if (!gameMode_.MayShowInfoAlert()) return CloseCurrentAlert();
    CreateNotificationFrame();
    ShowIfHidden();
  } else if (counts[ListCampaigns] > 0) {
    currentList_ = ListCampaigns;
    if (!gameMode_.MayShowCampaignAlert()) return CloseCurrentAlert();
    CreateCampaignFrame();
    ShowIfHidden();
  }
}

bool TToastMainForm::AnsweredForFullScreen() {
  if (!gameMode_.FullScreenSuppresses()) return false;
  IUIAlertSource* source = nullptr;
  manager_->GetAlert(currentList_, 0, source);
  IUINotification* notification = source != nullptr ? source->Item(0) : nullptr;
  if (notification == nullptr || ReadFlag(notification, key::FullScreenVisible, true)) return false;
  // Without a default the product's preset answer stands.
  if (std::optional<std::int32_t> answer = FindNumber(notification, key::DefaultResponse))
    notification->SetResponse(*answer);
  return true;
}

void TToastMainForm::CreateSingleAlertFrame() {
  IUIAlertSource* source = nullptr;
  manager_->GetAlert(ListAlerts, 0, source);
  IUINotification* notification = source != nullptr ? source->Item(0) : nullptr;
  if (notification == nullptr) return EndRunForMissingAlert();

  std::int32_t formType = ReadNumber(notification, key::FormType, -1);
  if (!ArmExpiry(notification)) formType = -1;
  if (formType == alerts_form::PreparedAction || formType == alerts_form::PreparedAction2)
    return RunPreparedAction(notification);

  if (auto frame = CreateFrame(ListAlerts, formType, source, notification))
    ShowAlertFrame(std::move(frame));
  else
    CloseCurrentAlert();
}

void TToastMainForm::CreateNotificationFrame() {
  if (frame_ && frame_->FrameKind() != AlertFrame::Kind::Campaign) {
    // The shown list picks up the new notifications; nothing replaces it.
    if (frame_->FrameKind() == AlertFrame::Kind::Paging) frame_->RefreshAlerts();
    return;
  }
  IUIAlertSource* source = nullptr;
  manager_->GetAlert(ListNotifications, 0, source);
  IUINotification* notification = source != nullptr ? source->Item(0) : nullptr;
  if (notification == nullptr) return WaitForMissingAlert();

  const std::int32_t formType = ReadNumber(notification, key::FormType, 0);
  if (auto frame = CreateFrame(ListNotifications, formType, source, notification))
    ShowAlertFrame(std::move(frame));
  else
    DropAlert(ListNotifications);
}

void TToastMainForm::CreateCampaignFrame() {
  if (frame_) return;
  IUIAlertSource* source = nullptr;
  manager_->GetAlert(ListCampaigns, 0, source);
  IUINotification* notification = source != nullptr ? source->Item(0) : nullptr;
  std::unique_ptr<AlertFrame> frame;
  if (notification != nullptr) frame = CreateFrame(ListCampaigns, 0, source, notification);
  if (frame && frame->HasContent())
    ShowAlertFrame(std::move(frame));
  else
    DropAlert(ListCampaigns);
}

std::unique_ptr<AlertFrame> TToastMainForm::CreateFrame(std::int32_t list, std::int32_t formType,
                                                        IUIAlertSource* source,
                                                        IUINotification* notification) {
  // A form type without a frame, or a frame that could not be made, drops the alert:
  // keeping it as the current one would stall the queue behind it.
  FrameFactory factory = Frames().Find(list, formType);
  if (factory == nullptr) return nullptr;
  std::unique_ptr<AlertFrame> frame = factory({this, source, notification, context_.Get()});
  if (frame) frame->InitAlert();
  return frame;
}

void TToastMainForm::RunPreparedAction(IUINotification* notification) {
  // Read before the alert is removed: the notification is the product's until then.
  const std::wstring name = ReadText(notification, key::action, kActionText);
  CloseCurrentAlert();
  kxua::RunPreparedAction(context_.Get(), name, PreparedObject::AsRegistered);
}

bool TToastMainForm::ArmExpiry(IUINotification* notification) {
  // Whole seconds since 1970, unsigned; 0 never expires.
  const auto expiry = static_cast<std::uint32_t>(ReadNumber(notification, key::AlertExpirationDate, 0));
  if (expiry == 0) return true;
  platform::Platform& system = platform::Get();
  const std::int64_t now = system.UnixTime();
  if (now + kExpiryMarginSeconds >= expiry) {
    notification->SetResponse(ResponseNone);
    return false;
  }
  expiring_ = notification;
  const std::uint64_t wait = static_cast<std::uint64_t>(expiry - now) * 1000;
  expiryTick_ = system.TickCount() + wait;
  DiscardAlert->SetInterval(static_cast<std::uint32_t>(std::min(wait, kLongestTimerIntervalMs)));
  DiscardAlert->SetEnabled(true);
  return true;
}

void TToastMainForm::DiscardAlertTimer() {
  // A wait longer than one timer interval is made of steps.
  const std::uint64_t now = platform::Get().TickCount();
  if (now < expiryTick_) {
    DiscardAlert->SetInterval(
        static_cast<std::uint32_t>(std::min(expiryTick_ - now, kLongestTimerIntervalMs)));
    return;
  }
  DiscardAlert->SetEnabled(false);
  if (expiring_ != nullptr) expiring_->SetResponse(ResponseNone);
  CloseCurrentAlert();
}

void TToastMainForm::TimerActivateTimer() {
  platform::Platform& system = platform::Get();
  system.SetExStyle(Handle(), system.GetExStyle(Handle()) & ~platform::exstyle::NoActivate);
  TimerActivate->SetEnabled(false);
  if (AlphaBlend()) SetAlphaBlendValue(255);
}

void TToastMainForm::CloseCurrentAlert() {
  DiscardAlert->SetEnabled(false);
  expiring_ = nullptr;
  frame_.reset();
  if (currentList_ >= ListNotifications && currentList_ <= ListCampaigns)
    manager_->RemoveAlert(currentList_, 0);
  currentList_ = -1;
  PostMessage(kMsgCheckAlerts);
}

void TToastMainForm::DropAlert(std::int32_t list) {
  manager_->RemoveAlert(list, 0);
  currentList_ = -1;
  PostMessage(kMsgCheckAlerts);
}

void TToastMainForm::EndRunForMissingAlert() {
  frame_.reset();
  currentList_ = -1;
  PostMessage(closeMessage_);
}

void TToastMainForm::WaitForMissingAlert() {
  // Nothing is shown and nothing removed; the next signal of the manager checks
  // again (checking at once would spin while the manager keeps it back). Only a
  // campaign can be on screen here, and it stays.
  currentList_ = frame_ ? ListCampaigns : -1;
}

void TToastMainForm::ShowAlertFrame(std::unique_ptr<AlertFrame> frame) {
  frame_ = std::move(frame);  // frees the frame it replaces; that alert stays pending
  SetAlphaBlendValue(255);
  SetAlphaBlend(false);
  frame_->SetColor(ui::kWhite);
  frame_->SetBounds(kFrameEdgePx, kFrameEdgePx, frame_->Width(), frame_->Height());
  platform::Platform& system = platform::Get();
  system.Show(frame_->Handle());
  system.SetExStyle(Handle(), system.GetExStyle(Handle()) | platform::exstyle::Composited);
  SetBounds(Left(), Top(), frame_->Width() + 2 * kFrameEdgePx, frame_->Height() + 2 * kFrameEdgePx);
  if (frame_->FrameKind() != AlertFrame::Kind::Campaign) Place();
  system.RedrawNow(Handle());
}

void TToastMainForm::CanResize(int& width, int& height) {
  if (frame_) height = frame_->Height() + 2 * kFrameEdgePx;
}

void TToastMainForm::BoundsChanged(bool moved, bool resized) {
  AlertHost::BoundsChanged(moved, resized);
  // The backdrop draws the edge around the frame: it covers the whole window.
  if (resized && Fondo != nullptr) Fondo->SetBounds(0, 0, Width(), Height());
}

void TToastMainForm::Place() {
  platform::Platform& system = platform::Get();
  const platform::Rect place =
      PlaceToast(WorkArea(system.ScreenSize(), system.TaskbarRect()), {Width(), Height()});
  SetBounds(place.left, place.top, place.Width(), place.Height());
}

void TToastMainForm::GuardPosition(platform::WindowPos& pos) {
  platform::Platform& system = platform::Get();
  const bool campaign = frame_ && frame_->FrameKind() == AlertFrame::Kind::Campaign;
  // A toast put back inside the margin is drawn there at once, not left to the
  // next paint the system happens to send.
  if (kxua::GuardPosition(pos, system.GetBounds(Handle()),
                          WorkArea(system.ScreenSize(), system.TaskbarRect()), moving_, campaign))
    system.RedrawNow(Handle());
}

void TToastMainForm::ShowIfHidden() {
  if (!Visible()) FormShow();
}

void TToastMainForm::FormShow() {
  SetVisible(true);
  // Not activatable until it has been seen for a while, so it cannot steal a
  // click or a key meant for another window.
  TimerActivate->SetEnabled(true);
  if (AlphaBlend()) SetAlphaBlendValue(0);
}

}  // namespace kxua
