// The stand-in product's texts: served by its translator in the product's
// language, complete in both languages, and usable as the frames use them.
#include <gtest/gtest.h>

#include <string>

#include "model/text_template.h"
#include "model/zym_utils.h"
#include "platform/sim/sim_platform.h"
#include "testbed/product.h"
#include "testbed/texts.h"

namespace kxua {
namespace {

// `id` as a frame sees it through the product's context.
std::wstring Translated(const wchar_t* language, const wchar_t* id) {
  testbed::Product product(language);
  CZYMUtils utils;
  utils.Initialize(CZYMUtils::kAlertClient, product.Context());
  return utils.Translate(id);
}

TEST(ProductTexts, TheProductsLanguageChoosesTheTexts) {
  sim::ScopedSimPlatform sim;
  const struct {
    const wchar_t* language;
    const wchar_t* id;
    const wchar_t* expected;
  } cases[] = {
      {L"eng", L"Ocultar", L"Hide"},
      {L"eng", L"Detalles", L"Details"},
      {L"spa", L"Ocultar", L"Ocultar"},
      {L"eng", L"IDS_ALERT_UPDATE_FINISHED_TITLE", L"Update finished"},
      {L"spa", L"IDS_ALERT_UPDATE_FINISHED_TITLE", L"Actualización completada"},
      {L"spa", L"IDS_ALERT_RESTART_NOW", L"Reiniciar ahora"},
      {L"fra", L"IDS_ALERT_RESTART_NOW", L"Restart now"},  // no French: English
      {L"eng", L"IDS_UNKNOWN", L"IDS_UNKNOWN"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, Translated(c.language, c.id)) << testing::PrintToString(std::wstring(c.id));
}

TEST(ProductTexts, EveryTextHasBothLanguagesWithTheSameDirectives) {
  // A translation that lost or gained a "%s" would show a directive or lose the
  // task name; filling both with the same arguments shows it.
  for (const testbed::ProductText& text : testbed::ProductTexts()) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(text.id)));
    EXPECT_FALSE(std::wstring(text.english).empty());
    EXPECT_FALSE(std::wstring(text.spanish).empty());
    const auto marks = [](const std::wstring& pattern) {
      std::wstring filled = FillTemplate(pattern, {L"\x1", L"\x2"});
      std::wstring kept;
      for (wchar_t c : filled)
        if (c == L'\x1' || c == L'\x2' || c == L'%') kept += c;
      return kept;
    };
    EXPECT_EQ(marks(text.english), marks(text.spanish));
  }
  sim::ScopedSimPlatform sim;
  EXPECT_EQ(L"La tarea <b>Temporales</b> ha liberado 1.5 MB.",
            FillTemplate(Translated(L"spa", L"IDS_ALERT_CLEANUP_FINISHED_TEXT"),
                         {L"Temporales", L"1.5 MB"}));
}

TEST(ProductTexts, CarriesEveryIdTheInformativeFramesLookUp) {
  // The units and the toggle's captions translate to themselves in one language or
  // both, so a missing one would not show in a translation.
  for (const wchar_t* id :
       {L"B", L"KB", L"MB", L"GB", L"TB", L"PB", L"Detalles", L"Ocultar"}) {
    bool found = false;
    for (const testbed::ProductText& text : testbed::ProductTexts())
      found = found || std::wstring(text.id) == id;
    EXPECT_TRUE(found) << testing::PrintToString(std::wstring(id));
  }
}

}  // namespace
}  // namespace kxua
