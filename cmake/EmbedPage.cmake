# Writes OUT, a C++ source holding the page's files FILES (a list of NAME=PATH)
# as byte arrays, and EmbeddedFiles() that lists them.
#   cmake -DOUT=EmbeddedFiles.cpp -DFILES="index.html=/src/index.html;..." -P EmbedPage.cmake
set(body "")
set(entries "")
set(index 0)
foreach(entry IN LISTS FILES)
  string(FIND "${entry}" "=" eq)
  string(SUBSTRING "${entry}" 0 ${eq} name)
  math(EXPR from "${eq} + 1")
  string(SUBSTRING "${entry}" ${from} -1 file)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n  " bytes "${bytes}")
  string(APPEND body "const unsigned char k${index}[${size}] = {\n  ${bytes}\n};\n")
  string(APPEND entries "    {\"${name}\", {reinterpret_cast<const char*>(k${index}), sizeof k${index}}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUT}.new" "// Made by cmake/EmbedPage.cmake from the page's files; do not edit.
#include \"web/page/EmbeddedFiles.h\"

namespace kv::web {

namespace {
${body}
const EmbeddedFile kFiles[] = {
${entries}};
}  // namespace

std::span<const EmbeddedFile> EmbeddedFiles() { return kFiles; }

}  // namespace kv::web
")
file(RENAME "${OUT}.new" "${OUT}")
