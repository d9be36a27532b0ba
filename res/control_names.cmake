# Writes OUTPUT, a header with the name of every control id defined in the
# HEADERS (the res/*_ids.h files), so that a name is spelled only where its id
# is: one array kControlNames in each header's namespace, of its IDC_
# constants, and of IDOK and IDCANCEL from the header that has them; and one
# array kCommandNames of its IDM_ constants, the menu commands. The entries
# take their values from the constants themselves.
#
# cmake -DOUTPUT=file.h -DDIRECTORY=res -DHEADERS=a_ids.h,b_ids.h -P control_names.cmake
string(REPLACE "," ";" HEADERS "${HEADERS}")
set(text "// Made at build time by res/control_names.cmake from the res/*_ids.h headers.\n#pragma once\n\n")
string(APPEND text "#include \"res/control_names.h\"\n")
foreach(header ${HEADERS})
  string(APPEND text "#include \"res/${header}\"\n")
endforeach()

foreach(header ${HEADERS})
  file(STRINGS ${DIRECTORY}/${header} lines)
  set(space "")
  set(entries "")
  set(commands "")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line MATCHES "^namespace ([A-Za-z_:]+) {")
      set(space ${CMAKE_MATCH_1})
    elseif(line MATCHES "constexpr")
      # A constant written some other way would be left without its name.
      if(NOT line MATCHES "^constexpr (int|unsigned) ([A-Za-z_][A-Za-z0-9_]*) = [^;]+;")
        message(FATAL_ERROR "${header}:${number}: not a constant this script can read: ${line}")
      endif()
      set(constant ${CMAKE_MATCH_2})
      if(constant MATCHES "^IDC_" OR constant STREQUAL "IDOK" OR constant STREQUAL "IDCANCEL")
        if(space STREQUAL "")
          message(FATAL_ERROR "${header}:${number}: ${constant} is outside a namespace")
        endif()
        string(APPEND entries "    {\"${constant}\", ${constant}},\n")
      elseif(constant MATCHES "^IDM_")
        if(space STREQUAL "")
          message(FATAL_ERROR "${header}:${number}: ${constant} is outside a namespace")
        endif()
        string(APPEND commands "    {\"${constant}\", ${constant}},\n")
      endif()
    endif()
  endforeach()
  if(NOT entries STREQUAL "")
    string(APPEND text "\nnamespace ${space} {\ninline constexpr ControlName kControlNames[] = {\n${entries}};\n}\n")
  endif()
  if(NOT commands STREQUAL "")
    string(APPEND text "\nnamespace ${space} {\ninline constexpr ControlName kCommandNames[] = {\n${commands}};\n}\n")
  endif()
endforeach()

# Rewritten only when it changes, so that nothing recompiles for nothing.
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "${text}" @ONLY)
