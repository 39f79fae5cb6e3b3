# Runs the benchmark program briefly on one case, as a pipe sees it, and checks its
# output conventions: no escape codes, units in the summary's header, the cases left
# out by the filter not shown, and valid JSON with --benchmark_format=json.
#   cmake -DBENCHMARKS=<program> [-DPYTHON=<python3>] -P CheckBenchmarkOutput.cmake
set(quick --benchmark_filter=^StringAppendChar/ --benchmark_min_time=0.01
          --benchmark_repetitions=2)
execute_process(COMMAND ${BENCHMARKS} ${quick} RESULT_VARIABLE status OUTPUT_VARIABLE output
                ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${BENCHMARKS} failed (${status}):\n${error}")
endif()
string(ASCII 27 escape)
string(FIND "${output}" "${escape}" escape_at)
if(NOT escape_at EQUAL -1)
  message(FATAL_ERROR "escape codes in the piped output:\n${output}")
endif()
if(NOT output MATCHES "\ncase \\(median real time\\) +ours ns +reference ns +ratio +target +noise ours % +noise ref % +verdict\n"
   OR NOT output MATCHES "\nStringAppendChar +[0-9.]+ +[0-9.]+ +[0-9.]+ +[0-9.]+ +[0-9.]+ +[0-9.]+  (met|MISSED)\n")
  message(FATAL_ERROR "no summary of StringAppendChar with units:\n${output}")
endif()
if(output MATCHES "HashInsert|nan|not run")
  message(FATAL_ERROR "cases left out by the filter are shown:\n${output}")
endif()

execute_process(COMMAND ${BENCHMARKS} ${quick} --benchmark_format=json RESULT_VARIABLE status
                OUTPUT_VARIABLE json ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${BENCHMARKS} --benchmark_format=json failed (${status}):\n${error}")
endif()
if(PYTHON)
  set(check [=[
import json, sys
document = json.load(sys.stdin)
names = [run["run_name"] for run in document["benchmarks"]]
assert names and all(name.startswith("StringAppendChar/") for name in names), names
ratios = document["ratios"]
assert [entry["case"] for entry in ratios] == ["StringAppendChar"], ratios
assert ratios[0]["ours_ns"] > 0 and ratios[0]["reference_ns"] > 0, ratios
assert ratios[0]["verdict"] in ("met", "MISSED"), ratios
]=])
  file(WRITE ${WORK_DIR}/benchmarks.json "${json}")
  execute_process(COMMAND ${PYTHON} -c "${check}" INPUT_FILE ${WORK_DIR}/benchmarks.json
                  RESULT_VARIABLE status ERROR_VARIABLE error)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the JSON output does not hold:\n${error}\n${json}")
  endif()
else()
  string(JSON ratio_count ERROR_VARIABLE json_error LENGTH "${json}" ratios)
  string(JSON case_name ERROR_VARIABLE name_error GET "${json}" ratios 0 case)
  if(json_error OR name_error OR NOT ratio_count EQUAL 1 OR NOT case_name STREQUAL "StringAppendChar")
    message(FATAL_ERROR "the JSON output does not hold: ${json_error} ${name_error}\n${json}")
  endif()
endif()
