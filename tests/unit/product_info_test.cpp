// The product information: loading with the manager's own context or the host's,
// properties of the installed version type with the "DEFAULT" fallback, and the
// states in which nothing is answered.
#include "branding_fixture.h"

#include "testbed/application_context.h"
#include "testbed/product_services.h"

namespace kxua {
namespace {

using testbed::DemoBrand;

// A property as short text: "bool:true", "text:...", "ui4:7" or "empty".
std::wstring Describe(const Variant& value) {
  const VARIANT& v = value.Get();
  switch (v.vt) {
    case VT_BOOL: return v.boolVal == VARIANT_TRUE ? L"bool:true" : L"bool:false";
    case VT_BSTR: return L"text:" + std::wstring(v.bstrVal, SysStringLen(v.bstrVal));
    case VT_UI4: return L"ui4:" + std::to_wstring(v.ulVal);
    case VT_EMPTY: return L"empty";
    default: return L"type " + std::to_wstring(v.vt);
  }
}

class ProductInfoTest : public BrandingTest {
 protected:
  ProductInfoTest() {
    testbed::InstallDemoBrand(*sim, testbed::FileForm::Plain);
    context->Register(progid::ProductInfo, productInfo);
  }
  ~ProductInfoTest() override {
    ProductInfoManager::ResetForTests();  // before the context goes
    productInfo->Release();
    context->Release();
  }

  ProductInfoManager& manager = ProductInfoManager::Instance();
  testbed::ApplicationContext* context = new testbed::ApplicationContext;
  testbed::ProductInfo* productInfo = new testbed::ProductInfo(DemoBrand::kFreeVersionType);
};

TEST_F(ProductInfoTest, PropertiesOfTheInstalledVersionTypeThenDefault) {
  testbed::ContextClassRegistration registration(context);
  ASSERT_TRUE(manager.Load(L"", nullptr, L""));
  EXPECT_TRUE(manager.IsLoaded());
  EXPECT_EQ(Raw() + L"KXProductInfo.xml", manager.Path());
  EXPECT_EQ(std::vector<std::wstring>{CZYMUtils::kConsoleClient}, context->InitializeNames());

  struct Case {
    const wchar_t* name;
    const wchar_t* version;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"HasMetroFunctionality", L"", L"bool:false"},  // version 21's own
      {L"IsGameModeEnabled", L"", L"bool:true"},       // only under DEFAULT
      {L"InGameModeBlockAskAlert", L"", L"bool:true"},
      {L"InGameModeBlockInfoAlert", L"", L"bool:true"},
      {L"ProductEditionName", L"", L"text:Harbor Guard Free"},
      {L"MaxProtectedDevices", L"", L"ui4:1"},
      {L"HasMetroFunctionality", L"DEFAULT", L"bool:true"},
      {L"HasMetroFunctionality", L"99", L"bool:true"},  // unknown version: DEFAULT
      {L"UrlSupport", L"DEFAULT", L"empty"},           // URL properties are apart
      {L"NoSuchProperty", L"", L"empty"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, Describe(manager.GetProperty(c.name, c.version)))
        << c.name << " in '" << c.version << "'";
}

TEST_F(ProductInfoTest, AVersionTypeThatIsNotUnsignedMeansDefault) {
  testbed::ContextClassRegistration registration(context);
  ASSERT_TRUE(manager.Load(L"", nullptr, L""));
  productInfo->SetAnswerType(VT_I4);
  EXPECT_EQ(L"bool:true", Describe(manager.GetProperty(L"HasMetroFunctionality")));
  productInfo->SetAnswerType(VT_UI4);
  EXPECT_EQ(L"bool:false", Describe(manager.GetProperty(L"HasMetroFunctionality")));
  context->Unregister(progid::ProductInfo);
  EXPECT_EQ(L"bool:true", Describe(manager.GetProperty(L"HasMetroFunctionality")))
      << "without the product-info service";
}

TEST_F(ProductInfoTest, AHostContextIsAttachedNotInitialised) {
  ASSERT_TRUE(manager.Load(L"", context, L"KXUAAlert.dat"));
  EXPECT_TRUE(context->InitializeNames().empty());
  EXPECT_EQ(L"bool:false", Describe(manager.GetProperty(L"HasMetroFunctionality")));
}

TEST_F(ProductInfoTest, EmptyEntriesCountAsAbsent) {
  sim->SetFile(Raw() + L"KXProductInfo.xml", Bytes(R"(
    <info>
      <version name="DEFAULT"><general>
        <property name="X" value="true" type="VT_BOOL"/>
      </general></version>
      <version name="21"><general>
        <property name="X" value="1" type="VT_I4"/>
      </general></version>
    </info>)"));
  ASSERT_TRUE(manager.Load(L"", context, L""));
  EXPECT_EQ(L"bool:true", Describe(manager.GetProperty(L"X")));
}

TEST_F(ProductInfoTest, NothingIsAnsweredUnlessBothFileAndContextAreThere) {
  EXPECT_EQ(L"empty", Describe(manager.GetProperty(L"IsGameModeEnabled", L"DEFAULT")))
      << "before loading";
  EXPECT_FALSE(manager.Load(L"", nullptr, L"")) << "the file is read, but no context class";
  EXPECT_FALSE(manager.IsLoaded());
  EXPECT_EQ(L"empty", Describe(manager.GetProperty(L"IsGameModeEnabled", L"DEFAULT")));

  sim->SetFile(Raw() + L"KXProductInfo.xml", Bytes("<info><version name=\"DEFAULT\">"));
  EXPECT_FALSE(manager.Load(L"", context, L"")) << "a truncated file";
  EXPECT_EQ(L"empty", Describe(manager.GetProperty(L"IsGameModeEnabled", L"DEFAULT")));
}

TEST_F(ProductInfoTest, ReloadingForgetsWhatTheLastFileSaid) {
  ASSERT_TRUE(manager.Load(L"", context, L""));
  sim->SetFile(Raw() + L"KXProductInfo.xml", Bytes("<info/>"));
  ASSERT_TRUE(manager.Load(L"", context, L""));
  EXPECT_EQ(L"empty", Describe(manager.GetProperty(L"IsGameModeEnabled")));
}

TEST_F(ProductInfoTest, EncipheredFileGivesTheSameAnswers) {
  testbed::InstallDemoBrand(*sim, testbed::FileForm::Enciphered);
  ASSERT_TRUE(manager.Load(L"", context, L""));
  EXPECT_EQ(L"text:Harbor Guard Free", Describe(manager.GetProperty(L"ProductEditionName")));
  EXPECT_EQ(L"bool:true", Describe(manager.GetProperty(L"IsGameModeEnabled")));
}

}  // namespace
}  // namespace kxua
