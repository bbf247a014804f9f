# Writes the manual page of morvane-scan from its own --help text, so that the two never
# disagree: cmake -DTOOL=<morvane-scan> -DVERSION=<x.y.z> -DOUT=<file.1> -P ManPage.cmake
execute_process(COMMAND ${TOOL} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} --help failed: ${status}")
endif()

# roff reads a leading '.' or "'" as a request and '\' as an escape; hyphens are written as
# minus signs so that the options can be searched and copied.
function(roff_text text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(REPLACE ";" "\\;" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(synopsis "")
set(description "")
set(options "")
set(exit_status "")
foreach(line IN LISTS lines)
  if(line MATCHES "^Usage: morvane-scan (.*)$")
    roff_text("${CMAKE_MATCH_1}" synopsis)
  elseif(line MATCHES "^Exit status: (.*)$")
    roff_text("${CMAKE_MATCH_1}" exit_status)
  elseif(line MATCHES "^  (-[^ ]+( [A-Z]+)?) +(.*)$")
    roff_text("${CMAKE_MATCH_1}" option)
    roff_text("${CMAKE_MATCH_3}" meaning)
    string(APPEND options ".TP\n.B ${option}\n${meaning}\n")
  elseif(line MATCHES "^  +(.*)$")
    roff_text("${CMAKE_MATCH_1}" more)
    string(APPEND options "${more}\n")
  elseif(NOT line STREQUAL "")
    roff_text("${line}" text)
    string(APPEND description "${text}\n")
  endif()
endforeach()
if(synopsis STREQUAL "" OR options STREQUAL "")
  message(FATAL_ERROR "${TOOL} --help no longer has the form this page is made from")
endif()

file(WRITE ${OUT} ".TH MORVANE\\-SCAN 1 \"\" \"morvane-scan ${VERSION}\" \"User Commands\"
.SH NAME
morvane\\-scan \\- carve embedded media out of any file
.SH SYNOPSIS
.B morvane\\-scan
${synopsis}
.SH DESCRIPTION
${description}.PP
Each item is written as KIND/<source file name>_<n>.KIND under the output folder, numbered
from 0 per source file, and every scan adds its lines to LOG.txt there.
.SH OPTIONS
${options}.SH EXIT STATUS
${exit_status}
")
