# cmake -DINPUT=FILE -DOUTPUT=FILE.cpp -DSYMBOL=name -P EmbedBytes.cmake
# Writes the bytes of INPUT as a C++ array (see vx_embed_bytes).
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT}
     "// Made by the build from ${INPUT}.\n"
     "namespace vx {\n"
     "extern const unsigned char ${SYMBOL}[];\n"
     "extern const unsigned long ${SYMBOL}_size;\n"
     "const unsigned char ${SYMBOL}[] = {\n    ${bytes}};\n"
     "const unsigned long ${SYMBOL}_size = ${size};\n"
     "}  // namespace vx\n")
