#include "model/xml_document.h"

#include <cstring>
#include <exception>
#include <limits>
#include <sstream>
#include <string_view>
#include <vector>

#include <boost/property_tree/xml_parser.hpp>

#include "kxua/alerts.h"
#include "model/utf8.h"

namespace kxua {

namespace {

// A scan of the markup before parsing: element nesting must stay within `limit`
// levels, and every end tag must close the element open at that point (the parser
// checks neither). Comments, CDATA sections, processing instructions, declarations
// and quoted attribute values are skipped, so that what they hold cannot pose as tags.
bool WellNested(std::string_view text, std::size_t limit) {
  std::vector<std::string_view> open;
  std::size_t i = 0;
  auto skipPast = [&](std::string_view end) {
    const std::size_t found = text.find(end, i);
    i = found == std::string_view::npos ? text.size() : found + end.size();
  };
  auto nameAt = [&](std::size_t start) {
    std::size_t end = start;
    while (end < text.size() && std::strchr(" \t\r\n/>", text[end]) == nullptr) ++end;
    return text.substr(start, end - start);
  };
  while (i < text.size()) {
    if (text[i] != '<') {
      ++i;
      continue;
    }
    const std::string_view rest = text.substr(i);
    if (rest.substr(0, 4) == "<!--") {
      skipPast("-->");
    } else if (rest.substr(0, 9) == "<![CDATA[") {
      skipPast("]]>");
    } else if (rest.substr(0, 2) == "<?") {
      skipPast("?>");
    } else if (rest.substr(0, 2) == "<!") {
      skipPast(">");
    } else if (rest.substr(0, 2) == "</") {
      if (open.empty() || open.back() != nameAt(i + 2)) return false;
      open.pop_back();
      skipPast(">");
    } else {
      // A start tag: find its end outside quoted values.
      char quote = 0;
      std::size_t k = i + 1;
      for (; k < text.size(); ++k) {
        const char c = text[k];
        if (quote != 0) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>') {
          break;
        }
      }
      const bool empty = k < text.size() && text[k - 1] == '/';
      if (!empty) {
        if (open.size() == limit) return false;
        open.push_back(nameAt(i + 1));
      }
      i = k + 1;
    }
  }
  return true;
}

}  // namespace

std::optional<XmlElement> ParseXml(const std::vector<std::uint8_t>& text) {
  if (text.size() > kLargestXml) return std::nullopt;
  const std::string_view view(reinterpret_cast<const char*>(text.data()), text.size());
  if (!WellNested(view, kDeepestXml)) return std::nullopt;
  try {
    std::istringstream stream{std::string(view)};
    XmlElement document;
    boost::property_tree::read_xml(stream, document,
                                   boost::property_tree::xml_parser::no_comments);
    // Text that holds no element at all is no document either.
    if (document.empty()) return std::nullopt;
    return document;
  } catch (const std::exception&) {
    // Malformed or truncated markup, or no memory for the tree.
    return std::nullopt;
  }
}

std::optional<std::wstring> Attribute(const XmlElement& element, const char* name) {
  const auto attributes = element.get_child_optional("<xmlattr>");
  if (!attributes) return std::nullopt;
  const auto value = attributes->get_child_optional(XmlElement::path_type(name, '\0'));
  if (!value) return std::nullopt;
  std::wstring text = WideFromUtf8(value->data());
  if (text.size() > kLongestProductText) return std::nullopt;
  return text;
}

std::wstring ElementText(const XmlElement& element) {
  std::wstring text = WideFromUtf8(element.data());
  const wchar_t* const space = L" \t\r\n";
  const std::size_t first = text.find_first_not_of(space);
  if (first == std::wstring::npos) return {};
  return text.substr(first, text.find_last_not_of(space) - first + 1);
}

std::uint32_t LeadingNumber(const std::wstring& text) {
  std::uint64_t value = 0;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') break;
    value = value * 10 + static_cast<std::uint64_t>(c - L'0');
    if (value > std::numeric_limits<std::uint32_t>::max())
      return std::numeric_limits<std::uint32_t>::max();
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace kxua
