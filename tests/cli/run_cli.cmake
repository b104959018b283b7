# run(expected_rc out_var err_var ARGS...): runs velmora-cli (${CLI}) with
# ARGS, stops the check when its exit status is not expected_rc, and hands
# back what it wrote to standard output and standard error.
function(run expected_rc out_var err_var)
  execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "velmora-cli ${ARGN}: exit ${rc}, expected ${expected_rc}\n${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${err_var} "${err}" PARENT_SCOPE)
endfunction()
