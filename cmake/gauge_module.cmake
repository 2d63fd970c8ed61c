# add_gauge_module(<Name> SOURCES <gauge sources...> ART <art hints source> DEF <.def file> [LIBS <libraries...>])
#
# LIBS names the libraries the module's code uses (gauge_common, gauge_sound, gauge_extlink).
#
# Native build: <Name>.so with its resources embedded from the art generated here.
# win32 build:  <Name>.gau, a DLL with the same resources compiled from the native build's art.
function(add_gauge_module name)
  cmake_parse_arguments(M "" "ART;DEF" "SOURCES;LIBS" ${ARGN})
  set(code ${name}_code)
  add_library(${code} OBJECT ${M_SOURCES} ${PROJECT_SOURCE_DIR}/frame/module_entry.cpp)
  target_link_libraries(${code} PUBLIC gauge_frame ${M_LIBS})
  target_include_directories(${code} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_options(${code} PRIVATE ${GAUGE_MODULE_CODE_OPTIONS})

  if(GAUGE_NATIVE)
    set(art_dir ${CMAKE_BINARY_DIR}/art/${name})
    add_executable(${name}_art ${PROJECT_SOURCE_DIR}/tools/artgen/main.cpp ${M_ART} $<TARGET_OBJECTS:${code}>)
    target_link_libraries(${name}_art PRIVATE artgen gauge_frame ${M_LIBS})
    add_custom_command(
      OUTPUT ${art_dir}/resources_blobs.S ${art_dir}/resources_table.cpp ${art_dir}/resources.rc
      COMMAND ${CMAKE_COMMAND} -E env LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp
              $<TARGET_FILE:${name}_art> ${art_dir}
      DEPENDS ${name}_art
      COMMENT "Drawing the art of ${name}")
    add_custom_target(${name}_artwork DEPENDS ${art_dir}/resources.rc)
    add_library(${name} MODULE $<TARGET_OBJECTS:${code}> ${art_dir}/resources_blobs.S ${art_dir}/resources_table.cpp)
    target_link_libraries(${name} PRIVATE gauge_frame ${M_LIBS})
    target_link_options(${name} PRIVATE -Wl,-Bsymbolic)
    if(NOT GAUGE_SANITIZER_RUNTIME_IN_EXECUTABLE)
      target_link_options(${name} PRIVATE -Wl,--no-undefined)
    endif()
    set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".so"
                          LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/modules)
  else()
    if(NOT GAUGE_ART_DIR OR NOT EXISTS ${GAUGE_ART_DIR}/${name}/resources.rc)
      message(FATAL_ERROR "The art of ${name} is missing: build the native preset first (GAUGE_ART_DIR=${GAUGE_ART_DIR})")
    endif()
    add_library(${name} SHARED $<TARGET_OBJECTS:${code}> ${GAUGE_ART_DIR}/${name}/resources.rc ${M_DEF})
    target_link_libraries(${name} PRIVATE gauge_frame ${M_LIBS})
    # The shipped DLL carries no debugging sections (the static runtime brings some).
    target_link_options(${name} PRIVATE -Wl,--enable-stdcall-fixup -s)
    set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".gau"
                          RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/modules)
  endif()
endfunction()
