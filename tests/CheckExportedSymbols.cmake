# Reads the dynamic symbol tables of the project's libraries: ORVExit must be exported
# under its plain C name, the library-internal helpers must stay hidden, and every
# exported name must belong to the project's API (its classes, functions and types).
string(REPLACE "|" ";" libraries "${LIBRARIES}")
find_program(NM nm REQUIRED)
set(all_exported "\n")
foreach(library IN LISTS libraries)
  execute_process(COMMAND ${NM} -D --defined-only ${library}
    OUTPUT_VARIABLE raw RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "nm failed on ${library}")
  endif()
  execute_process(COMMAND ${NM} -DC --defined-only ${library} OUTPUT_VARIABLE demangled)
  string(APPEND all_exported "${raw}")
  string(REPLACE "\n" ";" lines "${demangled}")
  foreach(line IN LISTS lines)
    if(line STREQUAL "")
      continue()
    endif()
    # "address type name".
    string(REGEX REPLACE "^[0-9a-fA-F]* *([A-Za-z]) .*$" "\\1" type "${line}")
    string(REGEX REPLACE "^[0-9a-fA-F]* *[A-Za-z] " "" name "${line}")
    # Instantiations of the standard library's templates are emitted weak and
    # visible by its headers; they are not part of the API but cannot be hidden.
    if(type MATCHES "^[WVu]$" AND name MATCHES "(std|__gnu_cxx)::")
      continue()
    endif()
    # The coverage runtime linked into every library of a coverage build.
    if(COVERAGE AND name MATCHES "^(__gcov_[a-z_]+|mangle_path)$")
      continue()
    endif()
    # The service layer's plain functions, by module prefix or by name.
    if(type STREQUAL "T" AND name MATCHES
       "^((err|mem|perf|radix64|trc|uuid|msg|mq|net|ec)_[a-z0-9_]+|(sys|sock)_error(_code)?|com_error|ErrorProcessingStart|last_component|to_lower|to_upper|day_name|os_name)$")
      continue()
    endif()
    if(NOT name MATCHES "(ORV|PEV|fct_|IUnknown|IDispatch|_GUID|endl|flush)")
      message(SEND_ERROR "${library}: exported symbol outside the API: ${name}")
    endif()
  endforeach()
endforeach()

if(NOT all_exported MATCHES "\n[0-9a-fA-F]+ T ORVExit\n")
  message(SEND_ERROR "ORVExit is not exported under its plain name")
endif()
foreach(internal IN ITEMS ORVFatalReportBegin ORVFatalReportEnd ORVCheckedSize ORVMakeGlobal)
  if(all_exported MATCHES "${internal}")
    message(SEND_ERROR "internal function ${internal} is exported")
  endif()
endforeach()
