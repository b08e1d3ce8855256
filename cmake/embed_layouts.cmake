# Writes OUTPUT: the files of FILES ("|"-separated) as byte arrays, listed by the
# function FUNCTION with their paths relative to BASE (used in error messages).
string(REPLACE "|" ";" files "${FILES}")
set(arrays "")
set(entries "")
set(index 0)
foreach(file IN LISTS files)
  file(READ ${file} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  file(RELATIVE_PATH relative ${BASE} ${file})
  string(APPEND arrays "const unsigned char kLayout${index}[] = {${bytes}0};\n")
  string(APPEND entries
    "      {\"${relative}\", reinterpret_cast<const char*>(kLayout${index}), sizeof(kLayout${index}) - 1},\n")
  math(EXPR index "${index} + 1")
endforeach()
set(content "// Generated from the layout files by cmake/embed_layouts.cmake.
#include <vector>

#include \"ui/layout.h\"

namespace {
${arrays}}  // namespace

namespace kxua {

std::vector<ui::LayoutSource> ${FUNCTION}() {
  return {
${entries}  };
}

}  // namespace kxua
")
file(WRITE ${OUTPUT}.tmp "${content}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
