# The generated docs are what gauge-host makes now: docs/parameters.md whole, and the command
# reference at the end of docs/gauge-host.md. scripts/update-docs.sh makes them again.
string(REPLACE "|" ";" shipped "${SHIPPED}")
execute_process(COMMAND ${HOST} reference ${shipped} --modules ${MODULES}
                OUTPUT_VARIABLE made RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "gauge-host reference failed with ${rc}")
endif()
file(READ ${SOURCE}/docs/parameters.md kept)
if(NOT made STREQUAL kept)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/parameters.md.new "${made}")
  message(FATAL_ERROR "docs/parameters.md differs from what gauge-host makes (${CMAKE_CURRENT_BINARY_DIR}/parameters.md.new): run scripts/update-docs.sh")
endif()
execute_process(COMMAND ${HOST} help --markdown OUTPUT_VARIABLE block RESULT_VARIABLE rc)
file(READ ${SOURCE}/docs/gauge-host.md guide)
string(FIND "${guide}" "${block}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "docs/gauge-host.md does not hold what 'gauge-host help --markdown' prints: run scripts/update-docs.sh")
endif()
