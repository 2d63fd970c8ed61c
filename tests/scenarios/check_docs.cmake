# The references in docs/gauge-host.md are the ones gauge-host makes from its tables
# (scripts/update-docs.sh writes them).
execute_process(COMMAND ${HOST} help --markdown OUTPUT_VARIABLE generated RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "gauge-host help --markdown exited with ${rc}")
endif()
file(READ ${DOC} doc)
string(FIND "${doc}" "${generated}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${DOC} differs from what gauge-host makes: run scripts/update-docs.sh")
endif()
