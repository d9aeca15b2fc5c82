# Runs TOOL and fails unless its output equals the file REFERENCE.
execute_process(COMMAND ${TOOL} OUTPUT_VARIABLE generated RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} failed: ${status}")
endif()
file(READ ${REFERENCE} published)
if(NOT generated STREQUAL published)
  message(FATAL_ERROR "${REFERENCE} is out of date: regenerate it with ${TOOL} > ${REFERENCE}")
endif()
