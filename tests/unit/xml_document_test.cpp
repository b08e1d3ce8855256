// The XML reader of outside files: what it refuses (malformed, truncated, too deep,
// too large), attribute and text access, and the number reading the files share.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/xml_document.h"

namespace kxua {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string Nested(std::size_t depth) {
  std::string text;
  for (std::size_t i = 0; i < depth; ++i) text += "<a>";
  for (std::size_t i = 0; i < depth; ++i) text += "</a>";
  return text;
}

TEST(XmlDocument, AcceptsWellFormedAndRefusesTheRest) {
  struct Case {
    const char* what;
    std::string text;
    bool parsed;
  };
  const Case cases[] = {
      {"declaration, comment, elements", "<?xml version=\"1.0\"?><!-- x --><r><p a=\"1\"/></r>", true},
      {"byte order mark", "\xEF\xBB\xBF<r/>", true},
      {"empty", "", false},
      {"only a declaration", "<?xml version=\"1.0\"?>\n", false},
      {"truncated", "<r><p a=\"1\"/>", false},
      {"truncated attribute", "<r a=\"1", false},
      {"mismatched end", "<r></q>", false},
      {"unquoted attribute", "<r a=1/>", false},
      {"character beyond unicode", "<r>&#x110000;</r>", false},
      {"as deep as allowed", Nested(kDeepestXml), true},
      {"one level deeper", Nested(kDeepestXml + 1), false},
      {"empty elements do not nest", std::string(1000, ' ') + "<r>" + [] {
         std::string s;
         for (int i = 0; i < 1000; ++i) s += "<e/>";
         return s;
       }() + "</r>", true},
      {"tags in comments and quotes do not nest",
       "<r><!--" + Nested(100).substr(0, 300) + "--><e v=\"/>>\"><![CDATA[<a><a><a>]]></e></r>",
       true},
      {"an end hidden in a quote does not lower the depth",
       [] {
         std::string s;
         for (std::size_t i = 0; i <= kDeepestXml; ++i) s += "<a b='/>'>";
         for (std::size_t i = 0; i <= kDeepestXml; ++i) s += "</a>";
         return s;
       }(),
       false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.parsed, ParseXml(Bytes(c.text)).has_value()) << c.what;
}

TEST(XmlDocument, RefusesDocumentsAboveTheSizeLimit) {
  std::string text = "<r>" + std::string(kLargestXml, ' ') + "</r>";
  EXPECT_FALSE(ParseXml(Bytes(text)));
  text.resize(kLargestXml - 4);
  text += "</r>";
  EXPECT_TRUE(ParseXml(Bytes(text)));
}

TEST(XmlDocument, AttributesAndTextsAreWide) {
  const auto document = ParseXml(Bytes(
      "<r><p name=\"Protecci\xC3\xB3n &amp; m\xC3\xA1s\" dotted.name=\"d\" empty=\"\">\n"
      "  Harbor\tGuard \n</p></r>"));
  ASSERT_TRUE(document);
  const XmlElement& p = document->get_child("r.p");
  EXPECT_EQ(L"Protecci\u00F3n & m\u00E1s", Attribute(p, "name"));
  EXPECT_EQ(L"d", Attribute(p, "dotted.name"));
  EXPECT_EQ(L"", Attribute(p, "empty"));
  EXPECT_FALSE(Attribute(p, "missing"));
  EXPECT_FALSE(Attribute(document->get_child("r"), "name")) << "no attributes at all";
  EXPECT_EQ(L"Harbor\tGuard", ElementText(p));
}

TEST(XmlDocument, HugeAttributeValuesAreRefused) {
  const std::string longest(65535, 'x');
  const auto document = ParseXml(Bytes("<r a=\"" + longest + "\" b=\"" + longest + "y\"/>"));
  ASSERT_TRUE(document);
  EXPECT_EQ(longest.size(), Attribute(document->get_child("r"), "a")->size());
  EXPECT_FALSE(Attribute(document->get_child("r"), "b"));
}

TEST(XmlDocument, ForEachElementFindsEveryDepthInDocumentOrder) {
  const auto document = ParseXml(Bytes(
      "<r><v n=\"1\"><v n=\"2\"/></v><x v=\"attribute, not element\"><v n=\"3\"/></x></r>"));
  ASSERT_TRUE(document);
  std::wstring seen;
  ForEachElement(*document, "v", [&](const XmlElement& v) { seen += *Attribute(v, "n"); });
  EXPECT_EQ(L"123", seen);
}

TEST(XmlDocument, LeadingNumber) {
  struct Case {
    const wchar_t* text;
    std::uint32_t value;
  };
  const Case cases[] = {
      {L"", 0},           {L"abc", 0},         {L"42", 42},
      {L"42px", 42},      {L" 42", 0},         {L"-5", 0},
      {L"007", 7},        {L"4294967295", 4294967295u},
      {L"4294967296", 4294967295u},            {L"99999999999999999999999", 4294967295u},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value, LeadingNumber(c.text)) << c.text;
}

}  // namespace
}  // namespace kxua
