// The white-label catalogue: strings by language with the "eng" fallback, colours of
// the active product, and loading once on demand.
#include "branding_fixture.h"

namespace kxua {
namespace {

class WhiteLabelCatalogueTest : public BrandingTest {
 protected:
  WhiteLabelCatalogueTest() { testbed::InstallDemoBrand(*sim, testbed::FileForm::Plain); }
  const std::wstring file = Raw() + L"KXWhiteLabelCat.xml";
};

TEST_F(WhiteLabelCatalogueTest, StringsByLanguageFallBackToEnglish) {
  const WhiteLabelCatalogue& catalogue = EnsureWhiteLabelCatalogue();
  ASSERT_TRUE(catalogue.IsLoaded());
  struct Case {
    const wchar_t* key;
    const wchar_t* language;
    const wchar_t* expected;
  };
  const Case cases[] = {
      // The demo brand is installed in Spanish.
      {L"STRING_IDS_PRODUCT_LONGNAME", L"", L"Harbor Guard Seguridad en Internet"},
      {L"STRING_IDS_SUITE_LONGNAME", L"", L"Harbor Guard Protecci\u00F3n Total"},
      {L"STRING_IDS_COMPANY_LONGNAME", L"", L"Orvex Software"},  // Spanish lacks it
      {L"STRING_IDS_PRODUCT_LONGNAME", L"eng", L"Harbor Guard Internet Security"},
      {L"STRING_IDS_PRODUCT_LONGNAME", L"deu", L"Harbor Guard Internet Security"},
      {L"STRING_IDS_NOWHERE", L"", L""},
      {L"STRING_IDS_NOWHERE", L"eng", L""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, catalogue.GetString(c.key, c.language))
        << c.key << " in '" << c.language << "'";
}

TEST_F(WhiteLabelCatalogueTest, EnglishOnlyCataloguesServeEveryLanguage) {
  sim->SetFile(file, Bytes(R"(<c><active_product>P</active_product><product name="P">
      <strings><language name="eng"><s name="K" value="English"/></language></strings>
    </product></c>)"));
  SetSetupText(L"Language", L"fra");
  EXPECT_EQ(L"English", EnsureWhiteLabelCatalogue().GetString(L"K"));
  SetSetupText(L"Language", L"");
  EXPECT_EQ(L"English", EnsureWhiteLabelCatalogue().GetString(L"K"));
}

TEST_F(WhiteLabelCatalogueTest, OnlyTheActiveProductAnswers) {
  sim->SetFile(file, Bytes(R"(<c><active_product>Missing</active_product><product name="P">
      <colors><color name="IDS_ALERT_BODY_BACK_COLOR" value="5"/></colors>
      <strings><language name="eng"><s name="K" value="x"/></language></strings>
    </product></c>)"));
  const WhiteLabelCatalogue& catalogue = EnsureWhiteLabelCatalogue();
  ASSERT_TRUE(catalogue.IsLoaded());
  std::uint32_t color = 99;
  EXPECT_FALSE(catalogue.GetColor(L"IDS_ALERT_BODY_BACK_COLOR", color));
  EXPECT_EQ(99u, color) << "left alone";
  EXPECT_EQ(L"", catalogue.GetString(L"K", L"eng"));
}

TEST_F(WhiteLabelCatalogueTest, ColoursOfTheActiveProduct) {
  const WhiteLabelCatalogue& catalogue = EnsureWhiteLabelCatalogue();
  std::uint32_t color = 0;
  ASSERT_TRUE(catalogue.GetColor(L"IDS_ALERT_TITLE_BACK_COLOR", color));
  EXPECT_EQ(0x6C4F0Bu, color) << "RGB 0B 4F 6C as 0x00BBGGRR";
  EXPECT_FALSE(catalogue.GetColor(L"IDS_NOT_A_COLOR", color));
}

TEST_F(WhiteLabelCatalogueTest, LoadsOnceButRetriesAfterAFailure) {
  sim->SetFile(file, Bytes("<c><active_product>"));
  EXPECT_FALSE(EnsureWhiteLabelCatalogue().IsLoaded());
  EXPECT_EQ(L"", EnsureWhiteLabelCatalogue().GetString(L"STRING_IDS_PRODUCT_LONGNAME"));
  EXPECT_EQ(2, sim->FileReads(file)) << "a failed load is retried on the next request";

  testbed::InstallDemoBrand(*sim, testbed::FileForm::Enciphered);
  EXPECT_TRUE(EnsureWhiteLabelCatalogue().IsLoaded());
  EXPECT_EQ(3, sim->FileReads(file));
  sim->SetFile(file, {});
  EXPECT_EQ(L"Harbor Guard Seguridad en Internet",
            EnsureWhiteLabelCatalogue().GetString(L"STRING_IDS_PRODUCT_LONGNAME"));
  EXPECT_EQ(3, sim->FileReads(file)) << "not reloaded after a success";
}

TEST_F(WhiteLabelCatalogueTest, AWhiteLabelReadsItsOwnFolder) {
  sim->SetFile(Raw(L"52") + L"KXWhiteLabelCat.xml",
               Bytes(R"(<c><active_product>P</active_product><product name="P">
      <strings><language name="spa"><s name="K" value="propio"/></language></strings>
    </product></c>)"));
  WhiteLabelCatalogue& catalogue = WhiteLabelCatalogue::Instance();
  ASSERT_TRUE(catalogue.Load(L"52"));
  EXPECT_EQ(L"propio", catalogue.GetString(L"K"));
  EXPECT_FALSE(catalogue.Load(L"53")) << "another edition, not the main product";
  EXPECT_EQ(L"", catalogue.GetString(L"K")) << "nothing of the last file is kept";
}

}  // namespace
}  // namespace kxua
