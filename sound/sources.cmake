# The sound library, compiled into every aircraft module.
list(APPEND GAUGE_AIRCRAFT_SOURCES
  ${PROJECT_SOURCE_DIR}/sound/sound.cpp
  ${PROJECT_SOURCE_DIR}/sound/wave.cpp)
if(WIN32)
  # DirectSoundCreate is imported from DSOUND.dll by its ordinal, 1, as the oldest DirectSound
  # runtimes export it; the import library is made here from sound/dsound_ordinal.def.
  set(GAUGE_DSOUND_IMPORT ${CMAKE_BINARY_DIR}/sound/libdsound_ordinal.a)
  find_program(GAUGE_DLLTOOL NAMES i686-w64-mingw32-dlltool REQUIRED)
  add_custom_command(
    OUTPUT ${GAUGE_DSOUND_IMPORT}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/sound
    COMMAND ${GAUGE_DLLTOOL} -m i386 -d ${PROJECT_SOURCE_DIR}/sound/dsound_ordinal.def -l ${GAUGE_DSOUND_IMPORT}
    DEPENDS ${PROJECT_SOURCE_DIR}/sound/dsound_ordinal.def
    COMMENT "Import library of DSOUND.dll by ordinal")
  add_custom_target(dsound_ordinal_import DEPENDS ${GAUGE_DSOUND_IMPORT})
  add_library(dsound_ordinal STATIC IMPORTED GLOBAL)
  set_target_properties(dsound_ordinal PROPERTIES IMPORTED_LOCATION ${GAUGE_DSOUND_IMPORT})
  add_dependencies(dsound_ordinal dsound_ordinal_import)
  list(APPEND GAUGE_AIRCRAFT_LIBS dsound_ordinal winmm user32)
  list(APPEND GAUGE_HOST_SYSTEM_LIBS user32)
endif()
