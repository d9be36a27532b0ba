# Runs PROGRAM with ARGS (a list) and checks its exit status against STATUS,
# its standard output against the regular expression OUT (or, with
# OUT_FILE, byte for byte), and that standard error is empty, or exactly one
# line when STATUS is 2.
execute_process(COMMAND ${PROGRAM} ${ARGS} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\nstdout: ${out}\nstderr: ${err}")
endif()
if(DEFINED OUT_FILE)
  file(READ ${OUT_FILE} expected)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "output differs from ${OUT_FILE}:\n${out}")
  endif()
elseif(NOT out MATCHES "${OUT}")
  message(FATAL_ERROR "standard output does not match '${OUT}':\n${out}")
endif()
if(STATUS EQUAL 2)
  if(NOT err MATCHES "^[^\n]+\n$")
    message(FATAL_ERROR "standard error is not one line:\n${err}")
  endif()
elseif(NOT err STREQUAL "")
  message(FATAL_ERROR "unexpected standard error:\n${err}")
endif()
