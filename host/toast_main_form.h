// The one window of a run: takes the pending alerts from the product's alerts
// manager one at a time, in list priority, shows the frame of each and removes the
// alert when its frame is done. It ends the run when nothing is pending.
#pragma once

#include <cstdint>
#include <memory>

#include "frames/common/alert_frame.h"
#include "host/game_mode.h"
#include "host/placement.h"
#include "host/product_settings.h"
#include "model/zym_utils.h"
#include "kxua/alerts.h"
#include "kxua/services.h"
#include "model/com_ptr.h"
#include "frames/common/alert_host.h"
#include "ui/kxua_controls.h"
#include "ui/timer_component.h"

namespace kxua {

// Posted to the host window (both parameters 0): check the alerts manager.
inline constexpr std::uint32_t kMsgCheckAlerts = 0x665;
inline constexpr std::uint32_t kMsgCheckAlerts2 = 0x667;
// The name of the registered message that ends the run.
inline constexpr wchar_t kCloseSysAlertsName[] = L"WM_CLOSESYSALERTS";

class TToastMainForm final : public AlertHost {
 public:
  // Never activated, no taskbar button, above every other window.
  static constexpr std::uint32_t kExStyle = platform::exstyle::NoActivate |
                                            platform::exstyle::ToolWindow |
                                            platform::exstyle::TopMost;

  // `manager` is not owned; `context` may be null.
  TToastMainForm(IUIAlertsManager* manager, IZYMApplicationContext* context);
  ~TToastMainForm() override;

  std::wstring ClassName() const override { return L"TToastMainForm"; }

  IUIAlertsManager* Manager() const { return manager_; }
  IUIAlertsManagerCallBack* CallBack() { return &callBack_; }
  // The id of "WM_CLOSESYSALERTS"; the run loop ends when it sees it.
  std::uint32_t CloseMessage() const { return closeMessage_; }
  // Hides the window; it stays until destroyed.
  void Close();
  // Ends the run from inside it: unregisters from the manager, hides the window and
  // stops checking; the run's loop ends after the message being dispatched.
  void Finalize();
  bool Finalized() const { return finalized_; }

  // Sees every message of the run's thread before it is dispatched: key presses
  // go to the shown frame.
  void ApplicationEvents1Message(const platform::Message& message);

  // The shown alert, for tests and the demo's report.
  const AlertFrame* CurrentFrame() const { return frame_.get(); }
  std::int32_t CurrentList() const { return currentList_; }

 private:
  class CallBackPart final : public IUIAlertsManagerCallBack {
   public:
    explicit CallBackPart(TToastMainForm& form) : form_(form) {}
    std::int32_t KXUA_PRODUCT_CALL OnNewAlert() override;
    std::int32_t KXUA_PRODUCT_CALL OnAlertsChanged() override;

   private:
    TToastMainForm& form_;
  };

  std::intptr_t WndProc(const platform::Message& message) override;
  // The window is always its frame's height plus the edge.
  void CanResize(int& width, int& height) override;
  void BoundsChanged(bool moved, bool resized) override;
  void LoadOwnLayout();

  void ProcessAlerts();
  void CreateSingleAlertFrame();
  void CreateNotificationFrame();
  void CreateCampaignFrame();
  void RunPreparedAction(IUINotification* notification);
  void CloseCurrentAlert();
  void ShowAlertFrame(std::unique_ptr<AlertFrame> frame);
  void ShowIfHidden();
  void Place();
  void GuardPosition(platform::WindowPos& pos);
  // Reads the alert's expiry; false when it is too near to show the alert at all.
  bool ArmExpiry(IUINotification* notification);
  void DiscardAlertTimer();
  void TimerNewAlertTimer();
  void TimerCloseTimer();
  void TimerActivateTimer();
  void FormShow();
  // The manager counted a single alert it then did not deliver: the run ends
  // rather than stall behind it, since nothing may replace a single alert; the
  // alert stays pending.
  void EndRunForMissingAlert();
  // The manager counted a grouped notification it then did not deliver: the run
  // goes on and the manager's next signal tries again; the alert stays pending.
  void WaitForMissingAlert();
  // Removes the alert at the head of `list` unshown and checks again.
  void DropAlert(std::int32_t list);
  std::unique_ptr<AlertFrame> CreateFrame(std::int32_t list, std::int32_t formType,
                                          IUIAlertSource* source, IUINotification* notification);

  // The single alert at the head of its list is answered for the user, unshown,
  // when full-screen programs must not be disturbed and it is not meant for them.
  bool AnsweredForFullScreen();

  IUIAlertsManager* const manager_;
  ComPtr<IZYMApplicationContext> context_;
  std::shared_ptr<CZYMUtils> productSettings_ = std::make_shared<CZYMUtils>();
  std::shared_ptr<CZYMUtils> translator_ = std::make_shared<CZYMUtils>();
  ProductSettings settings_;
  GameModeRules gameMode_{settings_};
  CallBackPart callBack_{*this};
  std::unique_ptr<AlertFrame> frame_;
  std::int32_t currentList_ = -1;
  std::uint32_t closeMessage_ = 0;
  bool finalized_ = false;
  bool moving_ = false;  // while the user drags the window
  IUINotification* expiring_ = nullptr;  // the shown alert's, while it can expire
  std::uint64_t expiryTick_ = 0;         // when it expires, on the platform clock

  // From the layout.
  ui::KXUAPaintBoxPngLux* Fondo = nullptr;
  ui::KXUAColors* ColorFondo = nullptr;
  ui::TimerComponent* TimerNewAlert = nullptr;
  ui::TimerComponent* TimerClose = nullptr;
  ui::TimerComponent* TimerActivate = nullptr;
  ui::TimerComponent* DiscardAlert = nullptr;
};

}  // namespace kxua
