# Writes a C++ source holding the bytes of one file.
# Usage: cmake -DINPUT=<file> -DOUTPUT=<source> -DSYMBOL=<identifier> -P embed_file.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
if(size EQUAL 0)
  set(bytes "0x00")  # a C++ array cannot be empty; the size below stays 0
else()
  string(REGEX REPLACE "([0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f])" "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
endif()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <cstddef>\n#include <cstdint>\n\n"
  "namespace pindora::embedded {\n"
  "extern const std::uint8_t ${SYMBOL}[];\n"
  "extern const std::size_t ${SYMBOL}_size;\n"
  "const std::uint8_t ${SYMBOL}[] = {\n${bytes}\n};\n"
  "const std::size_t ${SYMBOL}_size = ${size};\n"
  "}  // namespace pindora::embedded\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
