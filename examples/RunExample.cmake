# Runs an example tool once and shows what it did.
#   cmake -DTOOL=<path> -DARGUMENTS=<list> -DEXPECTED=<status> [-DREPORT=<file>]
#         [-DOUTPUT_MATCHES=<regex>] [-DERROR_MATCHES=<regex>] -P RunExample.cmake
# Prints the command, the tool's standard output and standard error and its exit status;
# when the arguments name REPORT, the report file is removed first and printed after.
# Fails when the exit status is not EXPECTED, or an output does not match its regex.
get_filename_component(name ${TOOL} NAME)
set(shown_arguments)
foreach(argument IN LISTS ARGUMENTS)
  if(DEFINED REPORT AND argument STREQUAL REPORT)
    set(argument "<report>")
  endif()
  string(APPEND shown_arguments " ${argument}")
endforeach()
set(report_used FALSE)
if(DEFINED REPORT)
  list(FIND ARGUMENTS "${REPORT}" report_index)
  if(report_index GREATER_EQUAL 0)
    set(report_used TRUE)
    file(REMOVE ${REPORT})
  endif()
endif()

execute_process(COMMAND ${TOOL} ${ARGUMENTS}
  OUTPUT_VARIABLE output ERROR_VARIABLE error RESULT_VARIABLE status)

set(text "\n$ ${name}${shown_arguments}\n")
if(NOT output STREQUAL "")
  string(APPEND text "--- standard output\n${output}")
endif()
if(NOT error STREQUAL "")
  string(APPEND text "--- standard error\n${error}")
endif()
if(report_used AND EXISTS ${REPORT})
  file(READ ${REPORT} report)
  string(APPEND text "--- <report>\n${report}")
endif()
string(APPEND text "--- exit status ${status} (expected ${EXPECTED})\n")
message("${text}")
if(NOT status STREQUAL EXPECTED)
  message(FATAL_ERROR "${name} exited with ${status} instead of ${EXPECTED}")
endif()
if(DEFINED OUTPUT_MATCHES AND NOT output MATCHES "${OUTPUT_MATCHES}")
  message(FATAL_ERROR "${name}: standard output does not match ${OUTPUT_MATCHES}")
endif()
if(DEFINED ERROR_MATCHES AND NOT error MATCHES "${ERROR_MATCHES}")
  message(FATAL_ERROR "${name}: standard error does not match ${ERROR_MATCHES}")
endif()
