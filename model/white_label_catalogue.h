// The white-label catalogue: colours and display strings of the branded product
// that is active, read from KXWhiteLabelCat.xml in the white label's raw folder.
#pragma once

#include <cstdint>
#include <string>

#include "model/white_label_file.h"

namespace kxua {

class WhiteLabelCatalogue {
 public:
  static constexpr wchar_t kFileName[] = L"KXWhiteLabelCat.xml";
  static constexpr wchar_t kFallbackLanguage[] = L"eng";

  // The process-wide instance, created on first use and kept until the library is
  // unloaded. Used on the GUI thread only.
  static WhiteLabelCatalogue& Instance();

  // Reads the file of `whiteLabel` (see LoadBrandingFile); every call reads it again.
  bool Load(const std::wstring& whiteLabel);
  bool IsLoaded() const { return loaded_; }

  // The active product's text for `key` in `language` (the install language when
  // empty), else in "eng"; empty when neither has it.
  std::wstring GetString(const std::wstring& key,
                         const std::wstring& language = std::wstring()) const;
  // The active product's colour for `key` (0x00BBGGRR); false when it has none.
  bool GetColor(const std::wstring& key, std::uint32_t& color) const;

  // Tests only: forgets the process-wide instance, so that the next test starts
  // unloaded.
  static void ResetForTests();

 private:
  WhiteLabelCatalogue() = default;
  const WhiteLabelProduct* ActiveProduct() const;

  bool loaded_ = false;
  WhiteLabelData data_;
};

// The process-wide catalogue, loaded for no white label when it is not loaded yet
// (a failed load is tried again on the next call).
WhiteLabelCatalogue& EnsureWhiteLabelCatalogue();

}  // namespace kxua
