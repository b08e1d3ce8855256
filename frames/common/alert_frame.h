// The behaviour every alert frame shares, written once: creation from the frame's
// layout, its state (source, context, count, index, viewing and remaining time),
// colours by colour id, the auto-close timer with its fade of the host window,
// pausing under the mouse, dragging through the system's move loop, paging with
// arrows, keys and a position counter, fitting the host to the content, the
// details toggle, and the close request. A frame keeps only its layout, its
// constants and its fill routine.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frames/common/alert_constants.h"
#include "frames/common/alert_host.h"
#include "frames/common/frame_texts.h"
#include "kxua/alerts.h"
#include "kxua/services.h"
#include "model/com_ptr.h"
#include "ui/frame.h"
#include "ui/layout.h"

namespace kxua::ui {
class KXUAButtonLuxEx;
class KXUAPaintBoxPngLux;
class TimerComponent;
}  // namespace kxua::ui

namespace kxua {

class IAlertsForms {
 public:
  // Fills the frame; called once, right after creation.
  virtual void InitAlert() = 0;
  // Picks up notifications that arrived for the shown frame.
  virtual void RefreshAlerts() = 0;

 protected:
  ~IAlertsForms() = default;
};

// What a frame is created from: the alert source and its first notification (the
// frame keeps whichever it reads), the host window and the context. None is owned.
struct FrameInput {
  AlertHost* host = nullptr;
  IUIAlertSource* source = nullptr;
  IUINotification* notification = nullptr;
  IZYMApplicationContext* context = nullptr;
};

class AlertFrame : public ui::Frame, public IAlertsForms {
 public:
  // How the host treats a shown frame when more alerts arrive.
  enum class Kind {
    Single,    // nothing refreshes it
    Paging,    // shows a list; new notifications of its list refresh it
    Campaign,  // any other list's alert replaces it
  };
  // Whether the host window fades out over the end of the viewing time.
  enum class Fade { Yes, No };

  // The viewing time of a frame that never closes by itself: it stays until the
  // user answers or closes it, and its close timer never runs.
  static constexpr std::uint32_t kUntilAnswered = 0;

  ~AlertFrame() override;

  // Names the frame's window, so tools can tell which alert shows.
  std::wstring ClassName() const override = 0;
  virtual Kind FrameKind() const { return Kind::Single; }
  // Asked after InitAlert: whether the frame found anything to show.
  virtual bool HasContent() const { return true; }

  // Shows the first notification and puts the product's name in the footer. A list
  // frame counts its list first and shows nothing when it is empty; a frame made
  // for one notification shows that one.
  void InitAlert() override;
  // Counts again and restarts the auto-close; a pause under the mouse stays.
  void RefreshAlerts() override;

  // Asks the host window to finish the alert.
  void RequestClose() const;
  // Gives the product the user's answer on the shown notification and asks to
  // close. Only the first answer counts: a second click while the close request is
  // on its way changes nothing.
  void Answer(std::int32_t response);

  // Shows notification `index` of the source (the content stays when the source
  // has none there), restarts the viewing time and updates the counter.
  void Show(std::uint32_t index);
  // The time left before the frame closes itself; while the frame has a timer and
  // sits in the host window, the last kFadeTimeMs fade the window out.
  void SetRemaining(std::uint32_t ms);

  std::uint32_t Count() const { return count_; }
  std::uint32_t Index() const { return index_; }
  std::uint32_t ViewingTime() const { return viewingTime_; }
  std::uint32_t Remaining() const { return remaining_; }
  std::uint32_t TickInterval() const { return tickInterval_; }
  const std::wstring& CounterFormat() const { return counterFormat_; }
  // Whether the frame closes by itself, and whether its countdown runs now.
  bool HasTimer() const { return timerClose_ != nullptr; }
  bool TimerRunning() const;

 protected:
  // What the frame reads: the host's list of notifications of its kind, or the one
  // notification it was made for.
  enum class Reads { List, OneNotification };

  // How a colour id of the alert colour table is applied to a control: its
  // background, its font, the links of an HTML label, or a skinned button's
  // background or caption in its normal, hovered and pressed states.
  enum class ColorPart { Background, Font, Link, StateBackground, StateFont };
  struct ColorRule {
    int colorId;
    ColorPart part;
    const wchar_t* control;  // by name; empty for the frame itself
  };
  using Handlers = std::map<std::string, ui::EventHandler>;

  // The frame is a child control of `input.host`; without a host it is a window of
  // its own, which nothing fades or resizes. The context gets a reference of the
  // frame's own.
  AlertFrame(const FrameInput& input, Reads reads, std::uint32_t viewingTimeMs = kDefaultViewingTimeMs);
  // A frame built in code, without source, context or layout.
  AlertFrame(AlertHost* host, int width, int height);

  // Builds the frame, in the order every frame follows: loads the layout of its
  // class from `layouts` (FrameLayouts() for the library's frames, which holds the
  // common layouts they inherit too), with the shared handlers and the frame's
  // `own` (which win on a name both have); points its resource paths at the
  // product's images or resource library; starts the full viewing time and the
  // timer, unless the frame stays until answered; applies the colours (the shared
  // rules, then `colors`); creates the window. A layout error is a programming
  // error and throws ui::LayoutError.
  void LoadFrame(const std::vector<ui::LayoutSource>& layouts, const Handlers& own = {},
                 const std::vector<ColorRule>& colors = {});
  // Creates the frame's window, hidden, as a child of the host window; LoadFrame
  // does it for frames with a layout.
  bool CreateFrameWindow();
  AlertHost* Host() const { return host_; }

  // Starts the close timer of a frame made to stay until answered: it closes after
  // `viewingTimeMs` like any other, pausing under the mouse, fading or not.
  void StartCloseTimer(std::uint32_t viewingTimeMs, Fade fade);
  // Shows the remaining time as the host window's opacity while the frame fades:
  // opaque with blending off until the last kFadeTimeMs, then fading out. A frame
  // that blends all the time overrides it.
  virtual void ApplyFade(std::uint32_t remainingMs);

  // Whether the arrow keys the host forwards page like the arrow buttons. Only the
  // frames that list detections, restored items, dangerous operations or blocked
  // pages do so; the others with arrows page by mouse only.
  virtual bool ArrowKeysPage() const { return false; }
  // The fill routine: shows `notification`, the one on screen from now on.
  virtual void Fill(IUINotification& notification) {}
  // A key press the host forwarded: by default the arrow keys page like the arrow
  // buttons, while the arrow of that way is enabled, in frames whose keys page.
  virtual void KeyPressed(std::uintptr_t virtualKey);

  // The notification on screen: the list's at Index, or the frame's one; null
  // when there is none.
  IUINotification* Shown() const;
  IZYMApplicationContext* Context() const { return context_.Get(); }
  FrameTexts& Texts() { return texts_; }
  void SetCounterFormat(std::wstring format) { counterFormat_ = std::move(format); }

  // Reads the text id `key` of `notification` (260 characters) and shows its
  // translation in the control named `control`.
  void ShowText(IUINotification& notification, const wchar_t* key, const wchar_t* control);
  // Runs the action object that the product registered under the name the shown
  // notification carries in `key`.
  void RunNotificationAction(const wchar_t* key);

  // The handlers of the HTML label `control` whose anchor names the shown
  // notification's program (<control>AnchorEnter, ...Exit, ...Click): hovering
  // shows its full path, converted for display, as the hint; a click opens its
  // folder, with the path as the notification gives it.
  Handlers ProgramLinkHandlers(const std::wstring& control);

  // Drags the toast (Panel1MouseDown): the countdown stops while the system's move
  // loop runs, then starts over with the full viewing time.
  void Drag();
  // The close button: asks the host to close.
  virtual void KXZEBtnCloseClick();

  // The details link: `block` holds the link labelDetails and its arrow
  // kxzeButtonDetails, `lines` the detail lines. Collapsed, the block moves to the
  // top and the lines hide; expanded, the lines show and the block goes below the
  // lowest visible line. The captions are the translations of "Detalles" and
  // "Ocultar" (the ids themselves without a translator).
  void SetUpDetails(ui::Control* block, ui::Control* lines);
  void SetDetailsExpanded(bool expanded);
  bool DetailsExpanded() const { return detailsExpanded_; }

  // Makes the host window as high as the frame.
  void FitHostHeight();
  // Fits later, once the messages already queued are handled: posts the frame the
  // message 1424, on which FitPosted runs. An auto-sized frame asks for it from its
  // resize handlers, so that it fits once its panels have settled.
  void PostFit();
  // The deferred fit, run with the frame's own automatic sizing off and its resize
  // handlers idle, so they do not fight the heights it sets. By default the host
  // takes the frame's height.
  virtual void FitPosted() { FitHostHeight(); }

  std::intptr_t WndProc(const platform::Message& message) override;

 private:
  // Where each alert colour goes in every frame that has the control.
  static const std::vector<ColorRule>& SharedColors();
  Handlers SharedHandlers();
  void FindSharedControls();
  void ApplyColors(const std::vector<ColorRule>& rules);
  void TimerCloseTimer();
  void FrameMouseEnter();
  void FrameMouseLeave();
  void PreviousClick();
  void NextClick();
  void UpdateCounter();
  // Fits the frame to its panels and the host to the frame. The header and body
  // rule adds the heights of Panel1 and Panel5; the lowest-panel rule takes the
  // bottom of the lowest visible panel.
  enum class FitRule { HeaderAndBody, LowestPanel };
  void FitToPanels(FitRule rule);
  void RunPostedFit();

  AlertHost* host_;
  IUIAlertSource* source_ = nullptr;        // not owned
  IUINotification* notification_ = nullptr;  // not owned
  ComPtr<IZYMApplicationContext> context_;
  FrameTexts texts_;
  std::uint32_t count_ = 0;
  std::uint32_t index_ = 0;
  std::uint32_t viewingTime_;
  std::uint32_t remaining_;
  std::uint32_t tickInterval_ = kCloseTickMs;
  std::wstring counterFormat_;
  std::uint32_t findControlMessage_;  // tools ask it where a control is
  bool built_ = false;                // the layout is in and the frame set up
  bool fitting_ = false;              // a resize handler is running
  bool detailsExpanded_ = false;
  bool answered_ = false;
  bool fades_ = true;
  std::wstring detailsCollapsedText_, detailsExpandedText_;
  ui::Control* detailsBlock_ = nullptr;
  ui::Control* detailsLines_ = nullptr;
  // Cleared when the frame goes: a handler that runs a modal loop (the drag) learns
  // whether the host freed the frame meanwhile.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

  // Shared controls of the layout; null when the layout has none.
  ui::TimerComponent* timerClose_ = nullptr;
  ui::Control* header_ = nullptr;       // Panel1
  ui::Control* body_ = nullptr;         // Panel5
  ui::Control* title_ = nullptr;        // lbTopText
  ui::Control* headerLock_ = nullptr;   // PanelLock
  ui::Control* productName_ = nullptr;  // lbProductName
  ui::Control* navigation_ = nullptr;   // PanelDetails
  ui::Control* counter_ = nullptr;      // lbNumElements
  ui::Control* bigNumber_ = nullptr;    // lbNumVirus
  ui::KXUAButtonLuxEx* leftArrow_ = nullptr;   // KXZEBtnLArrow or BtnPrevious
  ui::KXUAButtonLuxEx* rightArrow_ = nullptr;  // KXZEBtnRArrow or BtnNext
  ui::Control* detailsLink_ = nullptr;                  // labelDetails
  ui::KXUAPaintBoxPngLux* detailsArrow_ = nullptr;      // kxzeButtonDetails
};

}  // namespace kxua
