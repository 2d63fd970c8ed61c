# The external interface client, compiled into every aircraft module.
list(APPEND GAUGE_AIRCRAFT_SOURCES ${PROJECT_SOURCE_DIR}/extlink/extlink.cpp)
if(WIN32)
  list(APPEND GAUGE_AIRCRAFT_LIBS user32)
endif()
