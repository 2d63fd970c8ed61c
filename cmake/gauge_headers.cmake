# gauge_headers(<target> <folder>...)
#
# Code that links <target> includes the headers of each folder as "<folder>/<name>.h", and nothing
# else of the source tree: the repository root is on no include path. Each folder is linked into an
# include tree of the target's own in the build folder, so an include of a folder the code does not
# link (a module reaching into tools/, the host core into its world) fails to build.
function(gauge_headers target)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  foreach(folder ${ARGN})
    set(link ${root}/${folder})
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(REMOVE ${link})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${link} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# Options of code that runs inside a module: no exceptions, no run-time type information, and
# nothing visible outside the module but what its .def file exports.
set(GAUGE_MODULE_CODE_OPTIONS -fno-exceptions -fno-rtti -fvisibility=hidden)
