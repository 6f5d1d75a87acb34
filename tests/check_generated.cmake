# Runs GENERATOR, writes what it prints to OUTPUT and fails unless that is
# byte for byte the committed file EXPECTED.
execute_process(COMMAND ${GENERATOR} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED} RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "${EXPECTED} is not what ${GENERATOR} prints now (see ${OUTPUT})")
endif()
