# Turns a file into a C++ source that defines its bytes, so that the native build carries the very
# file that the Windows build compiles in as a resource.
#   cmake -DINPUT=<file> -DOUTPUT=<source> -DSYMBOL=<name> -DHEADER=<include> -P EmbedFile.cmake
# defines vaultlet::<SYMBOL> (the bytes, followed by one terminating zero that is not counted) and
# vaultlet::<SYMBOL>Size.

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes per line keeps the generated file readable.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")

file(WRITE "${OUTPUT}"
"// Generated from ${INPUT} by cmake/EmbedFile.cmake; do not edit.
#include \"${HEADER}\"

namespace vaultlet {

const unsigned char ${SYMBOL}[] = {
    ${bytes}0x00};
const std::size_t ${SYMBOL}Size = ${size};

} // namespace vaultlet
")
