// The stand-in product's product-info and configuration objects, as the library
// reaches them: through the context, by ProgID and interface.
#include <gtest/gtest.h>

#include "model/automation.h"
#include "model/services.h"
#include "platform/sim/sim_platform.h"
#include "testbed/application_context.h"
#include "testbed/product_services.h"

namespace kxua {
namespace {

class ProductServicesTest : public ::testing::Test {
 protected:
  ~ProductServicesTest() override { context->Release(); }
  sim::ScopedSimPlatform sim;
  testbed::ApplicationContext* context = new testbed::ApplicationContext;
};

TEST_F(ProductServicesTest, ConfigAnswersFromItsTable) {
  auto* config = new testbed::Config;
  config->Set(0, true);
  config->Set(0x0400995C, false);
  config->Set(67148131, 5u);
  config->Set(7, std::wstring(L"value"));
  context->Register(progid::Config, config);
  config->Release();

  auto found = LookUp<ICCGUIConfig>(context, progid::Config);
  ASSERT_TRUE(found);
  Variant value;
  ASSERT_EQ(S_OK, found->GetConfigValue(0, value.Receive()));
  EXPECT_EQ(VT_BOOL, value.Get().vt);
  EXPECT_EQ(VARIANT_TRUE, value.Get().boolVal);
  ASSERT_EQ(S_OK, found->GetConfigValue(0x0400995C, value.Receive()));
  EXPECT_EQ(VARIANT_FALSE, value.Get().boolVal);
  ASSERT_EQ(S_OK, found->GetConfigValue(67148131, value.Receive()));
  EXPECT_EQ(VT_UI4, value.Get().vt);
  EXPECT_EQ(5u, value.Get().ulVal);
  ASSERT_EQ(S_OK, found->GetConfigValue(7, value.Receive()));
  ASSERT_EQ(VT_BSTR, value.Get().vt);
  EXPECT_EQ(L"value", std::wstring(value.Get().bstrVal));
  EXPECT_LT(found->GetConfigValue(8, value.Receive()), 0) << "an item it does not have";
  EXPECT_EQ(VT_EMPTY, value.Get().vt);
}

TEST_F(ProductServicesTest, ProductInfoAnswersTheVersionType) {
  auto* info = new testbed::ProductInfo(21);
  context->Register(progid::ProductInfo, info);
  auto found = LookUp<ICCGUIProductInfo>(context, progid::ProductInfo);
  ASSERT_TRUE(found);
  Variant type;
  ASSERT_EQ(S_OK, found->GetProductVersionType(type.Receive()));
  EXPECT_EQ(VT_UI4, type.Get().vt);
  EXPECT_EQ(21u, type.Get().ulVal);
  info->SetVersionType(3);
  info->SetAnswerType(VT_I4);
  ASSERT_EQ(S_OK, found->GetProductVersionType(type.Receive()));
  EXPECT_EQ(VT_I4, type.Get().vt);
  EXPECT_EQ(3, type.Get().lVal);
  info->Release();
}

}  // namespace
}  // namespace kxua
