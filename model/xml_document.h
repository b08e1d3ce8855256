// The one XML reader for files that come from outside: UTF-8 documents parsed into
// a tree of elements (Boost.PropertyTree; attributes sit under "<xmlattr>").
// Texts come out as wide strings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <boost/property_tree/ptree.hpp>

namespace kxua {

using XmlElement = boost::property_tree::ptree;

// Deeper documents are refused before parsing: the parser recurses per level.
inline constexpr std::size_t kDeepestXml = 64;
// Larger documents are refused: the tree costs many times the text.
inline constexpr std::size_t kLargestXml = 4 * 1024 * 1024;

// The document in `text`; nothing when it is malformed (end tags that do not match
// included), truncated, without an element, deeper than kDeepestXml or larger than
// kLargestXml. Unknown entities stay as written.
std::optional<XmlElement> ParseXml(const std::vector<std::uint8_t>& text);

// Calls `visit` for every element named `name` at any depth below `root`, in
// document order, including elements nested in other matches.
template <class Visit>
void ForEachElement(const XmlElement& root, const char* name, const Visit& visit);

// The attribute `name` of `element`; nothing when it is absent or longer than the
// longest text the product passes (kLongestProductText).
std::optional<std::wstring> Attribute(const XmlElement& element, const char* name);

// The element's own text without surrounding white space.
std::wstring ElementText(const XmlElement& element);

// The leading decimal digits of `text` as a number: 0 without digits, the largest
// 32-bit value when they name a larger one.
std::uint32_t LeadingNumber(const std::wstring& text);

template <class Visit>
void ForEachElement(const XmlElement& root, const char* name, const Visit& visit) {
  for (const auto& [key, child] : root) {
    if (key == "<xmlattr>") continue;
    if (key == name) visit(child);
    ForEachElement(child, name, visit);
  }
}

}  // namespace kxua
