// The stand-in product's texts: what its translator answers for each text id, in
// English ("eng") and Spanish ("spa").
#pragma once

#include <string>
#include <vector>

#include "testbed/translator.h"

namespace kxua::testbed {

struct ProductText {
  const wchar_t* id;
  const wchar_t* english;
  const wchar_t* spanish;
};

// Every text the testbed knows, in one table.
const std::vector<ProductText>& ProductTexts();

// Adds the texts of `language` to `dictionary`. A language the testbed has no
// texts for gets the English ones, as a product falls back to its first language.
void AddProductTexts(Dictionary& dictionary, const std::wstring& language);

}  // namespace kxua::testbed
