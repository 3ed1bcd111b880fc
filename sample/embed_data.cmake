# vx_embed_data(TARGET DATA_DIR FILES name...): compiles the named list and
# text files of DATA_DIR (paths relative to it) into TARGET, each as a raw
# string literal, and an index that EmbeddedDataFiles() (sample/embedded_data.h)
# returns. The programs then need no data files at run time.
function(vx_embed_data target data_dir)
  cmake_parse_arguments(ARG "" "" "FILES" ${ARGN})
  set(files ${ARG_FILES})
  list(SORT files)
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/embedded)
  set(sources "")
  set(declarations "")
  set(entries "")
  foreach(name IN LISTS files)
    string(MAKE_C_IDENTIFIER "k_${name}" symbol)
    set(output ${out_dir}/${symbol}.cpp)
    add_custom_command(
      OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${data_dir}/${name} -DOUTPUT=${output}
              -DSYMBOL=${symbol} -DNAME=${name}
              -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/embed_data_file.cmake
      DEPENDS ${data_dir}/${name} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/embed_data_file.cmake
      COMMENT "Embedding data/${name}"
      VERBATIM)
    list(APPEND sources ${output})
    string(APPEND declarations "extern const std::string_view ${symbol};\n")
    string(APPEND entries "      {\"${name}\", embedded::${symbol}},\n")
  endforeach()
  set(index ${out_dir}/embedded_index.cpp)
  file(CONFIGURE OUTPUT ${index} @ONLY CONTENT
"// Generated at configure time from the files under data/; do not edit.
#include \"sample/embedded_data.h\"

namespace vx {
namespace embedded {
@declarations@}  // namespace embedded

const std::vector<EmbeddedFile>& EmbeddedDataFiles() {
  static const std::vector<EmbeddedFile> kFiles = {
@entries@  };
  return kFiles;
}

}  // namespace vx
")
  # Long help texts may pass the 64 KiB that ISO C++ asks compilers to accept
  # in one literal; GCC and Clang accept far more.
  set_source_files_properties(${sources} PROPERTIES COMPILE_OPTIONS -Wno-overlength-strings)
  target_sources(${target} PRIVATE ${sources} ${index})
endfunction()
