#include "model/white_label_catalogue.h"

#include <memory>

#include "model/branding_file.h"
#include "model/product_folders.h"

namespace kxua {

namespace {

// Holds no COM objects, so it may be destroyed with the library.
std::unique_ptr<WhiteLabelCatalogue>& InstanceSlot() {
  static std::unique_ptr<WhiteLabelCatalogue> instance;
  return instance;
}

const std::wstring* Find(const std::map<std::wstring, std::map<std::wstring, std::wstring>>& strings,
                         const std::wstring& language, const std::wstring& key) {
  auto table = strings.find(language);
  if (table == strings.end()) return nullptr;
  auto text = table->second.find(key);
  return text == table->second.end() ? nullptr : &text->second;
}

}  // namespace

WhiteLabelCatalogue& WhiteLabelCatalogue::Instance() {
  auto& instance = InstanceSlot();
  if (!instance) instance.reset(new WhiteLabelCatalogue);
  return *instance;
}

void WhiteLabelCatalogue::ResetForTests() { InstanceSlot().reset(); }

bool WhiteLabelCatalogue::Load(const std::wstring& whiteLabel) {
  BrandingFile file = LoadBrandingFile(kFileName, whiteLabel);
  data_ = file.document ? ReadWhiteLabelCatalogue(*file.document) : WhiteLabelData();
  loaded_ = file.document.has_value();
  return loaded_;
}

const WhiteLabelProduct* WhiteLabelCatalogue::ActiveProduct() const {
  auto it = data_.products.find(data_.activeProduct);
  return it == data_.products.end() ? nullptr : &it->second;
}

std::wstring WhiteLabelCatalogue::GetString(const std::wstring& key,
                                            const std::wstring& language) const {
  const WhiteLabelProduct* product = ActiveProduct();
  if (product == nullptr) return {};
  const std::wstring chosen = language.empty() ? GetInstallLanguage() : language;
  const std::wstring* text = Find(product->strings, chosen, key);
  if (text == nullptr) text = Find(product->strings, kFallbackLanguage, key);
  return text == nullptr ? std::wstring() : *text;
}

bool WhiteLabelCatalogue::GetColor(const std::wstring& key, std::uint32_t& color) const {
  const WhiteLabelProduct* product = ActiveProduct();
  if (product == nullptr) return false;
  auto it = product->colors.find(key);
  if (it == product->colors.end()) return false;
  color = it->second;
  return true;
}

WhiteLabelCatalogue& EnsureWhiteLabelCatalogue() {
  WhiteLabelCatalogue& catalogue = WhiteLabelCatalogue::Instance();
  if (!catalogue.IsLoaded()) catalogue.Load(std::wstring());
  return catalogue;
}

}  // namespace kxua
