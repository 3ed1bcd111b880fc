# Writes one data file as a C++ source that defines its bytes as a raw string
# literal. Run in script mode:
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -DNAME=relative/name -P embed_data_file.cmake
file(READ "${INPUT}" content)
# The delimiter must not close the literal early.
set(delimiter "vx_emb7Qz")
string(FIND "${content}" ")${delimiter}\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${INPUT} holds the closing sequence of the raw string literal")
endif()
file(WRITE "${OUTPUT}.tmp"
  "// Generated at build time from data/${NAME}; do not edit.\n"
  "#include <string_view>\n\n"
  "namespace vx::embedded {\n"
  "extern const std::string_view ${SYMBOL};\n"
  "const std::string_view ${SYMBOL} = R\"${delimiter}(${content})${delimiter}\";\n"
  "}  // namespace vx::embedded\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUTPUT}.tmp" "${OUTPUT}")
file(REMOVE "${OUTPUT}.tmp")
