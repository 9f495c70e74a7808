# Writes OUT, a C++ source holding the .qm files QM (a list of LANG=FILE) as
# byte arrays, and BuiltInCatalog(language) that returns them.
#   cmake -DOUT=file.cpp -DQM="de=a_de.qm;fr=a_fr.qm" -P EmbedCatalogs.cmake
set(body "")
set(cases "")
foreach(entry IN LISTS QM)
  string(REPLACE "=" ";" pair "${entry}")
  list(GET pair 0 lang)
  list(GET pair 1 file)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n  " bytes "${bytes}")
  string(APPEND body "const unsigned char k_${lang}[${size}] = {\n  ${bytes}\n};\n")
  string(APPEND cases "    if (language == \"${lang}\") return {reinterpret_cast<const char*>(k_${lang}), sizeof k_${lang}};\n")
endforeach()
file(WRITE "${OUT}.new" "// Made by cmake/EmbedCatalogs.cmake from the .qm files lrelease wrote; do not edit.
#include \"cli/QmCatalog.h\"

namespace kv::cli {

namespace {
${body}}  // namespace

std::string_view BuiltInCatalog(std::string_view language) {
${cases}    return {};
}

}  // namespace kv::cli
")
file(RENAME "${OUT}.new" "${OUT}")
