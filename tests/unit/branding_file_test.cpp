// Finding a branding file: the white label's own, the main product's fallback to
// "Current", plain and enciphered content, and what makes a read fail.
#include "branding_fixture.h"

#include "model/branding_file.h"
#include "model/content_cipher.h"

namespace kxua {
namespace {

constexpr wchar_t kFile[] = L"KXWhiteLabelCat.xml";

class BrandingFileTest : public BrandingTest {
 protected:
  BrandingFileTest() {
    testbed::InstallDemoBrand(*sim, testbed::FileForm::Plain);  // main product 37
  }
};

TEST_F(BrandingFileTest, WhereTheFileIsLookedFor) {
  struct Case {
    const char* what;
    const wchar_t* whiteLabel;
    const wchar_t* fileIn;  // the one raw folder whose file can be read
    std::uint32_t mainProduct;
    const wchar_t* pathRead;  // the raw folder of the path tried last
    bool found;
  };
  const Case cases[] = {
      {"no name: Current", L"", L"Current", 37, L"Current", true},
      {"the white label's own file", L"52", L"52", 37, L"52", true},
      {"the main product falls back", L"37", L"Current", 37, L"Current", true},
      {"another edition gets no fallback", L"52", L"Current", 37, L"52", false},
      {"no main product, no fallback", L"37", L"Current", 0, L"37", false},
      {"nothing anywhere", L"37", L"none", 37, L"Current", false},
  };
  const auto xml = testbed::BrandingFileContent("KXWhiteLabelCat.xml", testbed::FileForm::Plain);
  for (const Case& c : cases) {
    for (const wchar_t* label : {L"Current", L"52", L"37"})
      sim->SetFile(Raw(label) + kFile,
                   std::wstring(label) == c.fileIn ? xml : std::vector<std::uint8_t>());
    SetSetupNumber(L"MainProductID", c.mainProduct);
    const BrandingFile file = LoadBrandingFile(kFile, c.whiteLabel);
    EXPECT_EQ(c.found, file.document.has_value()) << c.what;
    EXPECT_EQ(Raw(c.pathRead) + kFile, file.path) << c.what;
  }
}

TEST_F(BrandingFileTest, EncipheredFilesReadLikePlainOnes) {
  const auto plain = ReadBrandingFile(Raw() + kFile);
  testbed::InstallDemoBrand(*sim, testbed::FileForm::Enciphered);
  const auto enciphered = ReadBrandingFile(Raw() + kFile);
  ASSERT_TRUE(plain);
  ASSERT_TRUE(enciphered);
  EXPECT_EQ(*plain, *enciphered);
}

TEST_F(BrandingFileTest, UnreadableContentFails) {
  const auto xml = testbed::BrandingFileContent("KXWhiteLabelCat.xml", testbed::FileForm::Plain);
  auto enciphered = *EncipherContent(xml);
  enciphered.pop_back();
  struct Case {
    const char* what;
    std::vector<std::uint8_t> content;
  };
  const Case cases[] = {
      {"empty", {}},
      {"truncated XML", std::vector<std::uint8_t>(xml.begin(), xml.begin() + xml.size() / 2)},
      {"enciphered with a partial last block", enciphered},
      {"marker with plain text after it", Bytes("zym-edata:<catalogue/>     ")},
      {"not XML", Bytes("\x89PNG\r\n")},
  };
  for (const Case& c : cases) {
    sim->SetFile(Raw() + kFile, c.content);
    EXPECT_FALSE(ReadBrandingFile(Raw() + kFile)) << c.what;
  }
  EXPECT_FALSE(ReadBrandingFile(Raw() + L"missing.xml"));
}

}  // namespace
}  // namespace kxua
