// Printf-style templates from translations ("Task <b>%s</b> freed %s."), filled
// safely. A translation is outside input: it may carry more directives than the
// call site has arguments, directives of another kind, or hostile ones such as
// "%n". The call site states its arguments in order; a directive takes the next
// one only when it is of that argument's kind, and everything else shows as it
// stands, so no missing or mistyped argument is ever read.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace kxua {

// One argument a template is filled with. Its kind decides the directives that
// take it:
//   text      "%s", "%ls"
//   integer   "%d", "%i", "%u", "%ld", "%li", "%lu" (written in decimal with its
//             own sign, whatever the letter: a "%u" never turns -1 into 4294967295)
class TemplateArgument {
 public:
  TemplateArgument(std::wstring text) : value_(std::move(text)) {}
  TemplateArgument(const wchar_t* text) : value_(std::wstring(text != nullptr ? text : L"")) {}
  template <class Integer,
            std::enable_if_t<std::is_integral_v<Integer> && !std::is_same_v<Integer, bool> &&
                                 !std::is_same_v<Integer, wchar_t>,
                             int> = 0>
  TemplateArgument(Integer number) {
    if constexpr (std::is_signed_v<Integer>)
      value_ = static_cast<std::int64_t>(number);
    else
      value_ = static_cast<std::uint64_t>(number);
  }

  bool IsText() const { return std::holds_alternative<std::wstring>(value_); }
  // The text, or the number in decimal.
  std::wstring ToText() const;

 private:
  std::variant<std::wstring, std::int64_t, std::uint64_t> value_;
};

// `pattern` with its directives replaced by `arguments`, in order: a directive
// that matches the kind of the next unused argument takes it; "%%" gives "%";
// any other "%" (extra directives, another kind, flags, widths, precisions, "%n",
// "%x", "%p", a "%" at the end) is kept literally with what follows it. Arguments
// are inserted as they are: a "%" inside one is not read again. Arguments that no
// directive took are left out.
std::wstring FillTemplate(const std::wstring& pattern,
                          const std::vector<TemplateArgument>& arguments);

// Positional templates ("<b>%1%</b> is trying to access the Internet"), filled the
// way the product's formatter does with its argument-count errors off, but without
// its failures: "%N%" takes argument N (1-based), or nothing when there are fewer
// arguments; "%%" gives "%"; any other "%" (printf directives, "%0%", an unclosed
// "%1", a "%" at the end) is kept literally. Arguments are not read again.
std::wstring FillPositional(const std::wstring& pattern, const std::vector<std::wstring>& arguments);

}  // namespace kxua
