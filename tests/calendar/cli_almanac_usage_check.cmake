# velmora-cli almanac with a text that is no date: exit 2, the text named on
# standard error, nothing printed for the good dates before it.
execute_process(COMMAND ${CLI} almanac 2024-2-10 2012-02-30
                OUTPUT_VARIABLE output ERROR_VARIABLE error RESULT_VARIABLE rc)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "exit code ${rc}, expected 2")
endif()
if(NOT error MATCHES "'2012-02-30'")
  message(FATAL_ERROR "standard error does not name the text: ${error}")
endif()
if(NOT output STREQUAL "")
  message(FATAL_ERROR "printed before the usage error: ${output}")
endif()
