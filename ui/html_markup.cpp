#include "ui/html_markup.h"

#include <cwctype>
#include <map>

namespace kxua::ui {

namespace {

std::wstring Lower(std::wstring s) {
  for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

struct Tag {
  bool closing = false;
  std::wstring name;  // lower case
  std::map<std::wstring, std::wstring> attributes;  // lower-case names
};

// Reads the tag between '<' and '>' (exclusive); false when it is not one.
bool ReadTag(const std::wstring& body, Tag& tag) {
  std::size_t i = 0;
  if (i < body.size() && body[i] == L'/') {
    tag.closing = true;
    ++i;
  }
  const std::size_t start = i;
  while (i < body.size() && std::iswalnum(body[i])) ++i;
  if (i == start || !std::iswalpha(body[start])) return false;
  tag.name = Lower(body.substr(start, i - start));
  while (i < body.size()) {
    while (i < body.size() && (std::iswspace(body[i]) || body[i] == L'/')) ++i;
    const std::size_t nameStart = i;
    while (i < body.size() && !std::iswspace(body[i]) && body[i] != L'=' && body[i] != L'/') ++i;
    if (i == nameStart) break;
    const std::wstring name = Lower(body.substr(nameStart, i - nameStart));
    while (i < body.size() && std::iswspace(body[i])) ++i;
    std::wstring value;
    if (i < body.size() && body[i] == L'=') {
      ++i;
      while (i < body.size() && std::iswspace(body[i])) ++i;
      if (i < body.size() && (body[i] == L'"' || body[i] == L'\'')) {
        const wchar_t quote = body[i++];
        const std::size_t end = body.find(quote, i);
        const std::size_t stop = end == std::wstring::npos ? body.size() : end;
        value = body.substr(i, stop - i);
        i = end == std::wstring::npos ? body.size() : end + 1;
      } else {
        const std::size_t valueStart = i;
        while (i < body.size() && !std::iswspace(body[i])) ++i;
        value = body.substr(valueStart, i - valueStart);
      }
    }
    tag.attributes[name] = value;
  }
  return true;
}

// "#RRGGBB" as the layouts' 0x00BBGGRR; nothing for anything else.
std::optional<platform::Color> ParseColor(const std::wstring& text) {
  if (text.size() != 7 || text[0] != L'#') return std::nullopt;
  platform::Color rgb = 0;
  for (std::size_t i = 1; i < 7; ++i) {
    if (!std::iswxdigit(text[i])) return std::nullopt;
    const wchar_t c = static_cast<wchar_t>(std::towlower(text[i]));
    rgb = rgb * 16 + static_cast<platform::Color>(c <= L'9' ? c - L'0' : c - L'a' + 10);
  }
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

std::optional<int> ParseNumber(const std::wstring& text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  return value;
}

// "&amp;" and friends; the length consumed is 0 when it is no known entity.
wchar_t ReadEntity(const std::wstring& text, std::size_t at, std::size_t& length) {
  static const std::pair<const wchar_t*, wchar_t> kEntities[] = {
      {L"&amp;", L'&'}, {L"&lt;", L'<'}, {L"&gt;", L'>'}, {L"&quot;", L'"'}, {L"&nbsp;", L' '}};
  for (const auto& [name, value] : kEntities) {
    const std::wstring entity = name;
    if (text.compare(at, entity.size(), entity) == 0) {
      length = entity.size();
      return value;
    }
  }
  length = 0;
  return L'&';
}

class Parser {
 public:
  HtmlDocument Run(const std::wstring& markup) {
    std::size_t i = 0;
    while (i < markup.size()) {
      const wchar_t c = markup[i];
      if (c == L'<') {
        const std::size_t close = markup.find(L'>', i + 1);
        Tag tag;
        if (close != std::wstring::npos && ReadTag(markup.substr(i + 1, close - i - 1), tag)) {
          Apply(tag);
          i = close + 1;
          continue;
        }
      } else if (c == L'&') {
        std::size_t length = 0;
        const wchar_t decoded = ReadEntity(markup, i, length);
        if (length > 0) {
          AddText(decoded);
          i += length;
          continue;
        }
      }
      AddText(c == L'\r' || c == L'\n' || c == L'\t' ? L' ' : c);
      ++i;
    }
    return std::move(doc_);
  }

 private:
  void AddText(wchar_t c) {
    if (!doc_.items.empty()) {
      HtmlItem& last = doc_.items.back();
      if (last.kind == HtmlItem::Kind::Text && SameStyle(last.style, style_) && last.align == align_) {
        last.text += c;
        return;
      }
    }
    HtmlItem item;
    item.text = std::wstring(1, c);
    item.style = style_;
    item.align = align_;
    doc_.items.push_back(std::move(item));
  }

  static bool SameStyle(const HtmlStyle& a, const HtmlStyle& b) {
    return a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
           a.pointSize == b.pointSize && a.color == b.color && a.anchor == b.anchor;
  }

  void Add(HtmlItem::Kind kind) {
    HtmlItem item;
    item.kind = kind;
    item.style = style_;
    item.align = align_;
    doc_.items.push_back(std::move(item));
  }

  bool AtLineStart() const {
    return doc_.items.empty() || doc_.items.back().kind != HtmlItem::Kind::Text;
  }

  void Apply(const Tag& tag) {
    const std::wstring& n = tag.name;
    if (n == L"b") {
      bold_ += tag.closing ? (bold_ > 0 ? -1 : 0) : 1;
      style_.bold = bold_ > 0;
    } else if (n == L"i") {
      italic_ += tag.closing ? (italic_ > 0 ? -1 : 0) : 1;
      style_.italic = italic_ > 0;
    } else if (n == L"u") {
      underline_ += tag.closing ? (underline_ > 0 ? -1 : 0) : 1;
      style_.underline = underline_ > 0;
    } else if (n == L"br") {
      Add(HtmlItem::Kind::LineBreak);
    } else if (n == L"hr") {
      Add(HtmlItem::Kind::Rule);
    } else if (n == L"p") {
      if (tag.closing && !paragraph_) return;
      paragraph_ = !tag.closing;
      if (!AtLineStart()) Add(HtmlItem::Kind::LineBreak);
      align_ = HtmlAlign::Left;
      if (!tag.closing) {
        auto it = tag.attributes.find(L"align");
        const std::wstring value = it != tag.attributes.end() ? Lower(it->second) : L"";
        if (value == L"center") align_ = HtmlAlign::Center;
        if (value == L"right") align_ = HtmlAlign::Right;
      }
    } else if (n == L"font") {
      if (tag.closing) {
        if (!fonts_.empty()) {
          style_.pointSize = fonts_.back().pointSize;
          style_.color = fonts_.back().color;
          fonts_.pop_back();
        }
      } else {
        fonts_.push_back(style_);
        auto size = tag.attributes.find(L"size");
        if (size != tag.attributes.end())
          if (auto points = ParseNumber(size->second); points && *points > 0 && *points <= 200)
            style_.pointSize = *points;
        auto color = tag.attributes.find(L"color");
        if (color != tag.attributes.end())
          if (auto value = ParseColor(color->second)) style_.color = value;
      }
    } else if (n == L"a") {
      if (tag.closing) {
        style_.anchor = -1;
      } else {
        auto href = tag.attributes.find(L"href");
        doc_.anchors.push_back(href != tag.attributes.end() ? href->second : L"");
        style_.anchor = static_cast<int>(doc_.anchors.size()) - 1;
      }
    }
  }

  HtmlDocument doc_;
  HtmlStyle style_;
  HtmlAlign align_ = HtmlAlign::Left;
  int bold_ = 0, italic_ = 0, underline_ = 0;
  bool paragraph_ = false;
  std::vector<HtmlStyle> fonts_;
};

}  // namespace

HtmlDocument ParseHtml(const std::wstring& markup) { return Parser().Run(markup); }

}  // namespace kxua::ui
