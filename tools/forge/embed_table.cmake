# embed_table.cmake -- writes a .cpp holding one file's bytes: cmake -DINPUT= -DOUTPUT= -DSYMBOL= -P embed_table.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n  " bytes "${bytes}")
file(WRITE "${OUTPUT}.new"
  "// Generated from the assets table; do not edit.\n#include <cstddef>\n\n"
  "extern const unsigned char ${SYMBOL}[] = {\n  ${bytes}0x00};\n"
  "extern const std::size_t ${SYMBOL}Size = ${size};\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
