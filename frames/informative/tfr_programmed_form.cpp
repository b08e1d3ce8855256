#include "frames/informative/tfr_programmed_form.h"

#include "frames/common/frame_layouts.h"
#include "frames/informative/size_text.h"
#include "kxua/values.h"
#include "model/notification.h"
#include "model/text_template.h"
#include "model/text_utils.h"

namespace kxua {

namespace {
constexpr wchar_t kSizeTemplate[] = L"%s %s";  // the number, then the unit
}  // namespace

TfrProgrammedForm::TfrProgrammedForm(const FrameInput& input)
    : AlertFrame(input, Reads::OneNotification, kUntilAnswered) {
  LoadFrame(FrameLayouts(), {{"ButtonActionClick", [this](const ui::Event&) { ButtonActionClick(); }}});
}

void TfrProgrammedForm::Fill(IUINotification& notification) {
  ShowText(notification, key::TitleText, L"lbTopText");
  ShowText(notification, key::ButtonText, L"ButtonAction");

  const std::wstring mainText = ReadText(&notification, key::MainText, kText);
  std::wstring taskName = ReadText(&notification, key::TaskName, kText);
  const SizeText size = SizeOf(ReadNumber64(&notification, key::BytesSize));
  auto* label = Find<ui::Control>(L"labelMainText");
  if (!taskName.empty()) taskName = FitTextToWidth(taskName, label->Font(), label->Width());
  const std::wstring sizeText =
      FillTemplate(kSizeTemplate, {size.number, Texts().Translate(size.unit).value_or(size.unit)});
  if (std::optional<std::wstring> pattern = Texts().Translate(mainText))
    SetControlText(label, FillTemplate(*pattern, {taskName, sizeText}));
}

void TfrProgrammedForm::ButtonActionClick() {
  RunNotificationAction(key::ButtonAction);
  RequestClose();
}

}  // namespace kxua
