# Run by CPack after it has staged and stripped the files: also drops the
# compiler's identification, which the installed programs have no use for.
file(GLOB_RECURSE programs LIST_DIRECTORIES false ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*)
foreach(program IN LISTS programs)
  execute_process(COMMAND objcopy --remove-section=.comment ${program} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "objcopy failed on ${program}")
  endif()
endforeach()
