// Where a frame's words come from: the product's translator for the text ids that
// notifications carry, and the white-label catalogue for the product's name.
#pragma once

#include <optional>
#include <string>

#include "kxua/services.h"
#include "model/com_ptr.h"

namespace kxua::ui {
class Control;
}

namespace kxua {

class FrameTexts {
 public:
  // `context` may be null; the translator is looked up on first use.
  explicit FrameTexts(IZYMApplicationContext* context) : context_(context) {}

  // Nothing when "UA.TranslatorManager" or its dictionary cannot be had; otherwise
  // whatever the dictionary answers for `id`, its result code not consulted (a
  // failed translation gives what the dictionary left, usually nothing).
  std::optional<std::wstring> Translate(const std::wstring& id);
  // The dictionary's text for `id` when it has one; `preset` when it has none or
  // there is no translator, as the product's translator leaves a text it cannot
  // replace.
  std::wstring TranslateOr(const std::wstring& id, const std::wstring& preset);
  // The translation of `id`, or `control`'s designed text when there is no
  // translator or it gives nothing: a frame never loses a title, a question or a
  // button's word to a missing translation.
  std::wstring TranslateOrDesigned(const std::wstring& id, const ui::Control* control);
  // The same with the designed text given, for frames that fill more than once.
  std::wstring TranslateOrDesigned(const std::wstring& id, const std::wstring& designed);

  // Shows the translation of `id` in `control` (a label's caption, or an HTML
  // label's markup); without a translator the control keeps its layout text.
  void Show(ui::Control* control, const std::wstring& id);

 private:
  // Looked up on first use; null when there is none.
  IUADictionary* Dictionary();

  ComPtr<IZYMApplicationContext> context_;
  ComPtr<IUADictionary> dictionary_;
  bool lookedUp_ = false;
};

// Shows the product's long name ("STRING_IDS_PRODUCT_LONGNAME" of the white-label
// catalogue, loaded when it is not yet) in `footer`; the footer keeps its layout
// caption when the catalogue cannot be loaded.
void ShowProductName(ui::Control* footer);

// Sets `control`'s text: the markup of an HTML label, the caption of anything else.
void SetControlText(ui::Control* control, const std::wstring& text);
// `control`'s text as SetControlText sets it; empty for no control.
std::wstring ControlText(const ui::Control* control);

}  // namespace kxua
