# vx_library(NAME [SOURCES file...] [DEPENDS lib...])
#
# Declares one library of the project over the folder that holds the calling
# CMakeLists.txt. Its headers are reached as "folder/name.h" from the source
# root, but not through the source root itself: each library gets an include
# root of its own in the build tree that holds only its folder (a link to
# it). A library sees the roots of the libraries it depends on and nothing
# else, so a lower layer that includes a header of a higher one does not
# build.
function(vx_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC COPY_ON_ERROR)
  if(NOT ARG_SOURCES)
    # Headers only.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${root})
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} PRIVATE vx_warnings)
endfunction()
