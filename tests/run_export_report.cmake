# halvex-planner PLAN --export-report OUT.pdf, as a batch would run it: exit
# status 0, and the PDF's text (pdftotext, as a reader's viewer finds it)
# holds every figure of FIGURES (a list). Then the refusals: a plan that
# cannot be read, one with fields to fill, a kind of file not written, each
# exit status 1 with the reason on standard error and no file written.
#
# cmake -DPROGRAM=... -DPLAN=... -DUNFILLED=... -DOUT_DIR=... "-DFIGURES=a;b" -P run_export_report.cmake
file(REMOVE_RECURSE ${OUT_DIR})
file(MAKE_DIRECTORY ${OUT_DIR})
set(pdf ${OUT_DIR}/report.pdf)
execute_process(COMMAND ${PROGRAM} ${PLAN} --export-report ${pdf} RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT EXISTS ${pdf})
  message(FATAL_ERROR "--export-report ${pdf}: exit status ${status}\n${err}")
endif()
execute_process(COMMAND pdftotext ${pdf} - RESULT_VARIABLE status OUTPUT_VARIABLE text)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pdftotext cannot read ${pdf}")
endif()
foreach(figure ${FIGURES})
  string(FIND "${text}" "${figure}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the PDF's text lacks ${figure}:\n${text}")
  endif()
endforeach()

function(refused plan out reason)
  execute_process(COMMAND ${PROGRAM} ${plan} --export-report ${out} RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status EQUAL 1 OR NOT err MATCHES "halvex-planner: [^\n]*${reason}" OR EXISTS ${out})
    message(FATAL_ERROR "${plan} --export-report ${out}: exit status ${status}, expected 1 and '${reason}'\n${err}")
  endif()
endfunction()
refused(${OUT_DIR}/missing.halvex-plan ${OUT_DIR}/missing.pdf "cannot be read")
refused(${UNFILLED} ${OUT_DIR}/unfilled.html "to be filled")
refused(${PLAN} ${OUT_DIR}/report.txt "written as .pdf or .html")
