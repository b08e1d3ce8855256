#include "frames/reboot/unfinished_item_frame.h"

#include "frames/common/frame_layouts.h"
#include "frames/common/path_label.h"
#include "frames/common/risk_picture.h"
#include "kxua/values.h"
#include "model/actions.h"
#include "model/alert_colors.h"
#include "model/notification.h"
#include "model/path_parts.h"
#include "ui/html_label.h"
#include "ui/kxua_controls.h"
#include "ui/kxua_resources.h"

namespace kxua {

namespace {

// The header above the details strip.
constexpr int kItemHeaderHeightPx = 86;
constexpr wchar_t kMalwareTypePrefix[] = L"MALWARE_TYPE_";

// A translated text as a centred paragraph. The product's texts may begin with the
// ">" that completes the paragraph tag; the tag is closed here, so that one is
// dropped rather than shown, and a text without it still makes sound markup.
std::wstring CentredParagraph(const std::wstring& text) {
  const bool closesTag = !text.empty() && text.front() == L'>';
  return L"<p align=\"center\">" + text.substr(closesTag ? 1 : 0) + L"</p>";
}

}  // namespace

UnfinishedItemFrame::UnfinishedItemFrame(const FrameInput& input)
    : AlertFrame(input, Reads::OneNotification, kUntilAnswered) {}

UnfinishedItemFrame::~UnfinishedItemFrame() {
  // The host shows other alerts after this one, in their own colour.
  if (hostEdge_ == nullptr || !hostEdgeBefore_) return;
  hostEdge_->SetColorUp(*hostEdgeBefore_);
  Host()->Invalidate();
}

void UnfinishedItemFrame::LoadItemFrame(Handlers own, const wchar_t* button) {
  button_ = button;
  own.emplace("labelPathClick", [this](const ui::Event&) { labelPathClick(); });
  LoadFrame(FrameLayouts(), own,
            {{kAlertTitleWarningBackColor, ColorPart::Background, L"Panel1"},
             {kAlertTitleWarningBackColor, ColorPart::Background, L"PanelLock"},
             {kAlertTitleWarningBackColor, ColorPart::Background, L"Panel4"},
             // The shared PanelDetails rule finds it too: names compare without case.
             {kAlertTitleWarningBackColor, ColorPart::Background, L"panelDetails"},
             {kAlertTitleWarningBackColor, ColorPart::Background, L"panelAditionalInfo"},
             {kAlertTitleWarningBackColor, ColorPart::Background, L"Panel6"},
             {kAlertTitleTextColor, ColorPart::Font, L"labelFileName"},
             {kAlertTitleTextColor, ColorPart::Font, L"labelPath"},
             {kAlertTitleTextColor, ColorPart::Font, L"lbMalwareType"},
             {kAlertTitleTextColor, ColorPart::Font, L"labelDetails"},
             {kAlertBodyTextColor, ColorPart::Font, L"HTMLabelMainText"},
             {kAlertButtonTextColor, ColorPart::Font, button}});
  // Without a translator both states keep the designed text.
  mainHtml_ = secondaryHtml_ = Find<ui::HtmlLabel>(L"HTMLabelMainText")->HTMLText();
  ColorHostEdge();
}

void UnfinishedItemFrame::ColorHostEdge() {
  const std::optional<platform::Color> warning = LoadedAlertColor(kAlertTitleWarningBackColor);
  if (Host() == nullptr || !warning) return;
  hostEdge_ = Host()->Find<ui::KXUAColors>(L"ColorFondo");
  if (hostEdge_ == nullptr) return;
  hostEdgeBefore_ = hostEdge_->ColorOf(ui::ButtonFace::Up);
  hostEdge_->SetColorUp(*warning);
  Host()->Invalidate();
}

void UnfinishedItemFrame::Fill(IUINotification& notification) {
  Find<ui::KXUAPaintBoxPngLux>(L"imgRisk")->SetResourceID(
      RiskPicture(ReadNumber(&notification, key::SAMPLE_NOTIFICATION_RISKLEVEL, 0)));
  const std::wstring path = ReadText(&notification, key::Path, kPathText);
  ShowPath(Find<ui::Control>(L"labelPath"), DisplayPath(path));
  ShowPath(Find<ui::Control>(L"labelFileName"), SplitPath(path).fileName);

  const std::int32_t malwareType = ReadNumber(&notification, key::MWType, 0);
  ShowText(notification, key::TitleText, L"lbTopText");
  ShowText(notification, key::ButtonText, button_);
  if (auto main = Texts().Translate(ReadText(&notification, key::MainText, kText)))
    mainHtml_ = CentredParagraph(*main);
  if (auto secondary = Texts().Translate(ReadText(&notification, key::SecondaryText, kText)))
    secondaryHtml_ = CentredParagraph(*secondary);
  Texts().Show(Find<ui::Control>(L"lbMalwareType"), kMalwareTypePrefix + std::to_wstring(malwareType));

  SetUpDetails(Find<ui::Control>(L"panelDetails"), Find<ui::Control>(L"panelAditionalInfo"));
  ShowDetails();
}

void UnfinishedItemFrame::ToggleDetails() {
  SetDetailsExpanded(!DetailsExpanded());
  ShowDetails();
}

void UnfinishedItemFrame::ShowDetails() {
  Find<ui::HtmlLabel>(L"HTMLabelMainText")->SetHTMLText(DetailsExpanded() ? secondaryHtml_ : mainHtml_);
  // The strip ends below the details link, wherever the link now stands; the
  // header grows with it and the frame with the header, the body keeping its size.
  auto* link = Find<ui::Control>(L"panelDetails");
  auto* strip = Find<ui::Control>(L"Panel4");
  auto* header = Find<ui::Control>(L"Panel1");
  const int bodyHeight = Find<ui::Control>(L"Panel5")->Height();
  strip->SetHeight(link->Top() + link->Height());
  header->SetHeight(kItemHeaderHeightPx + strip->Height());
  SetHeight(header->Height() + bodyHeight);
  FitHostHeight();
}

void UnfinishedItemFrame::labelPathClick() {
  OpenShellFolder(Context(), Find<ui::Control>(L"labelPath")->Caption());
}

}  // namespace kxua
