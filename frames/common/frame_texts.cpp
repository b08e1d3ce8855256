#include "frames/common/frame_texts.h"

#include "model/white_label_catalogue.h"
#include "model/zym_utils.h"
#include "ui/html_label.h"

namespace kxua {

namespace {
constexpr wchar_t kProductLongName[] = L"STRING_IDS_PRODUCT_LONGNAME";
}  // namespace

IUADictionary* FrameTexts::Dictionary() {
  if (!lookedUp_) {
    lookedUp_ = true;
    dictionary_ = FindDictionary(context_.Get(), DictionarySource::TranslatorManagerOnly);
  }
  return dictionary_.Get();
}

std::optional<std::wstring> FrameTexts::Translate(const std::wstring& id) {
  IUADictionary* dictionary = Dictionary();
  if (dictionary == nullptr) return std::nullopt;
  return AskDictionary(*dictionary, id).text;
}

std::wstring FrameTexts::TranslateOr(const std::wstring& id, const std::wstring& preset) {
  IUADictionary* dictionary = Dictionary();
  if (dictionary == nullptr) return preset;
  DictionaryAnswer answer = AskDictionary(*dictionary, id);
  return FAILED(answer.result) ? preset : std::move(answer.text);
}

std::wstring FrameTexts::TranslateOrDesigned(const std::wstring& id, const ui::Control* control) {
  return TranslateOrDesigned(id, ControlText(control));
}

std::wstring FrameTexts::TranslateOrDesigned(const std::wstring& id, const std::wstring& designed) {
  std::wstring text = Translate(id).value_or(std::wstring());
  return text.empty() ? designed : text;
}

void FrameTexts::Show(ui::Control* control, const std::wstring& id) {
  if (control == nullptr) return;
  if (std::optional<std::wstring> text = Translate(id)) SetControlText(control, *text);
}

void ShowProductName(ui::Control* footer) {
  if (footer == nullptr) return;
  const WhiteLabelCatalogue& catalogue = EnsureWhiteLabelCatalogue();
  if (catalogue.IsLoaded()) footer->SetCaption(catalogue.GetString(kProductLongName));
}

void SetControlText(ui::Control* control, const std::wstring& text) {
  if (auto* html = dynamic_cast<ui::HtmlLabel*>(control))
    html->SetHTMLText(text);
  else if (control != nullptr)
    control->SetCaption(text);
}

std::wstring ControlText(const ui::Control* control) {
  if (const auto* html = dynamic_cast<const ui::HtmlLabel*>(control)) return html->HTMLText();
  return control != nullptr ? control->Caption() : std::wstring();
}

}  // namespace kxua
