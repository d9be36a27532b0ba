# The report's paper follows LC_PAPER: a US locale, made here with localedef
# into the build directory (the machine need not have it), gives US Letter;
# a German one A4.
# cmake -DCALC=halvex-calc -DPLAN=FILE -DWORK=DIR -DLOCALEDEF=localedef -P run_report_paper.cmake
file(MAKE_DIRECTORY ${WORK})
if(NOT EXISTS ${WORK}/en_US.UTF-8/LC_PAPER)
  execute_process(COMMAND ${LOCALEDEF} -i en_US -f UTF-8 ${WORK}/en_US.UTF-8 RESULT_VARIABLE made OUTPUT_QUIET ERROR_QUIET)
  if(NOT EXISTS ${WORK}/en_US.UTF-8/LC_PAPER)
    message(FATAL_ERROR "localedef could not make en_US.UTF-8 (${made})")
  endif()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env LOCPATH=${WORK} LC_ALL= LC_PAPER=en_US.UTF-8
                        ${CALC} plan ${PLAN} --report ${WORK}/us.html
                RESULT_VARIABLE status OUTPUT_QUIET)
file(READ ${WORK}/us.html us)
if(NOT status EQUAL 0 OR NOT us MATCHES "@page{size:letter;")
  message(FATAL_ERROR "LC_PAPER=en_US.UTF-8 did not give US Letter (status ${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env LOCPATH=${WORK} LC_ALL= LC_PAPER=C
                        ${CALC} plan ${PLAN} --report ${WORK}/c.html
                RESULT_VARIABLE status OUTPUT_QUIET)
file(READ ${WORK}/c.html c)
if(NOT status EQUAL 0 OR NOT c MATCHES "@page{size:A4;")
  message(FATAL_ERROR "LC_PAPER=C did not give A4 (status ${status})")
endif()
