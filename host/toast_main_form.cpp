#include "host/toast_main_form.h"

#include <array>

#include "host/frame_registry.h"
#include "kxua/values.h"
#include "model/actions.h"
#include "model/notification.h"

namespace kxua {

namespace {
// The `action` text of a prepared-action alert fits 49 characters.
constexpr std::size_t kActionText = 50;
// The extra pixels of the window around its frame: a one-pixel edge each side.
constexpr int kFrameEdge = 1;
}  // namespace

std::int32_t TToastMainForm::CallBackPart::OnNewAlert() {
  // Bursts of new alerts become one check when the timer fires.
  form_.TimerNewAlert.SetEnabled(true);
  return 0;
}

std::int32_t TToastMainForm::CallBackPart::OnAlertsChanged() {
  form_.PostMessage(kMsgCheckAlerts);
  return 0;
}

TToastMainForm::TToastMainForm(IUIAlertsManager* manager, IZYMApplicationContext* context)
    : manager_(manager), context_(context) {
  CreateHandle({0, kExStyle, {kOffScreen, kOffScreen, kOffScreen + kClientWidth,
                              kOffScreen + kClientHeight}});
  closeMessage_ = platform::Get().RegisterMessage(kCloseSysAlertsName);
  TimerNewAlert.SetOnTimer([this] {
    TimerNewAlert.SetEnabled(false);
    PostMessage(kMsgCheckAlerts);
  });
  TimerClose.SetOnTimer([this] {
    TimerClose.SetEnabled(false);
    PostMessage(closeMessage_);
  });
}

TToastMainForm::~TToastMainForm() {
  frame_.reset();  // the frame's window is a child of ours
  DestroyHandle();
}

bool TToastMainForm::Visible() const { return platform::Get().IsVisible(Handle()); }

void TToastMainForm::Close() { platform::Get().Hide(Handle()); }

void TToastMainForm::Finalize() {
  if (manager_ != nullptr) manager_->SetCallBack(nullptr);
  finalized_ = true;
  TimerNewAlert.SetEnabled(false);
  TimerClose.SetEnabled(false);
  Close();
}

std::intptr_t TToastMainForm::WndProc(const platform::Message& message) {
  if (finalized_) return DefaultHandling(message);
  switch (message.id) {
    case kMsgCheckAlerts:
    case kMsgCheckAlerts2: ProcessAlerts(); return 0;
    case kMsgCloseAlert: CloseCurrentAlert(); return 0;
    case platform::msg::Close: Close(); return 0;
    default: return DefaultHandling(message);
  }
}

void TToastMainForm::ProcessAlerts() {
  std::uint32_t total = 0;
  if (manager_ != nullptr) manager_->GetTotalCount(total);
  if (total == 0) {
    TimerClose.SetEnabled(true);
    return;
  }
  // A single alert on screen is never replaced.
  if (currentList_ == ListAlerts) return;

  std::array<std::uint32_t, 3> counts{};
  for (std::int32_t list : {ListAlerts, ListNotifications, ListCampaigns})
    manager_->GetCount(list, counts[static_cast<std::size_t>(list)]);

  if (counts[ListAlerts] > 0) {
    currentList_ = ListAlerts;
    CreateSingleAlertFrame();
    ShowIfHidden();
  } else if (counts[ListNotifications] > 0) {
    currentList_ = ListNotifications;
    CreateNotificationFrame();
    ShowIfHidden();
  } else if (counts[ListCampaigns] > 0) {
    currentList_ = ListCampaigns;
    CreateCampaignFrame();
    ShowIfHidden();
  }
}

void TToastMainForm::CreateSingleAlertFrame() {
  IUIAlertSource* source = nullptr;
  manager_->GetAlert(ListAlerts, 0, source);
  IUINotification* notification = source != nullptr ? source->Item(0) : nullptr;
  if (notification == nullptr) return EndRunForMissingAlert();

  const std::int32_t formType = ReadNumber(notification, key::FormType, -1);
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
  if (notification == nullptr) return EndRunForMissingAlert();

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
  std::unique_ptr<AlertFrame> frame = factory({Handle(), source, notification, context_.Get()});
  if (frame) frame->InitAlert();
  return frame;
}

void TToastMainForm::RunPreparedAction(IUINotification* notification) {
  // Read before the alert is removed: the notification is the product's until then.
  const std::wstring name = ReadText(notification, key::action, kActionText);
  CloseCurrentAlert();
  kxua::RunPreparedAction(context_.Get(), name, PreparedObject::AsRegistered);
}

void TToastMainForm::CloseCurrentAlert() {
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
  TimerClose.SetEnabled(true);
}

void TToastMainForm::ShowAlertFrame(std::unique_ptr<AlertFrame> frame) {
  frame_ = std::move(frame);  // frees the frame it replaces; that alert stays pending
  platform::Platform& system = platform::Get();
  const int width = frame_->Width(), height = frame_->Height();
  system.SetBounds(frame_->Handle(), {kFrameEdge, kFrameEdge, kFrameEdge + width, kFrameEdge + height});
  system.Show(frame_->Handle());
  system.SetExStyle(Handle(), system.GetExStyle(Handle()) | platform::exstyle::Composited);
  platform::Rect bounds = system.GetBounds(Handle());
  bounds.right = bounds.left + width + 2 * kFrameEdge;
  bounds.bottom = bounds.top + height + 2 * kFrameEdge;
  system.SetBounds(Handle(), bounds);
}

void TToastMainForm::ShowIfHidden() {
  if (!Visible()) platform::Get().Show(Handle());
}

}  // namespace kxua
