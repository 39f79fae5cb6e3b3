# Installs the library into scratch prefixes (never the configured one) and builds and
# runs a user's programs against each install by both routes: find_package, and
# pkg-config when PKG_CONFIG names it. The programs must find the installed catalogs
# with no environment setting.
#
# The first install is this build tree, with its own library directory. When
# OTHER_LIBDIR is set, the library is also built afresh with that library directory
# (deeper than the usual one), so that nothing assumes where the library lies.
file(REMOVE_RECURSE ${WORK_DIR})
set(ENV{PEV_CATALOG_PATH} "")
set(ENV{LANG} C)
set(ENV{LC_ALL} "")
set(ENV{LC_MESSAGES} "")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed:\n${output}")
  endif()
  set(last_output "${output}" PARENT_SCOPE)
endfunction()

function(check_consumer program prefix)
  run(${program})
  set(expected "catalog ${prefix}/share/ORVBasic/catalogs/en/ORVBC.msg\n"
               "message The option --colour is unknown.\n")
  string(CONCAT expected ${expected})
  if(NOT last_output STREQUAL expected)
    message(FATAL_ERROR "${program} printed:\n${last_output}\ninstead of:\n${expected}")
  endif()
endfunction()

# The getting-started program: one size and, from the installed catalog, one error.
function(check_first program work)
  execute_process(COMMAND ${program} ${CONSUMER_DIR}/consumer.cpp ${work}/no-such-file
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE error)
  if(NOT status EQUAL 2 OR NOT output MATCHES "consumer.cpp: [0-9]+ bytes\n$"
     OR NOT error MATCHES "Cannot open the file \"${work}/no-such-file\"")
    message(FATAL_ERROR "${program}: status ${status}\n${output}${error}")
  endif()
endfunction()

# The prefix is enough where CMake looks for packages (<prefix>/lib*/cmake/...); under a
# deeper library directory a user names the package's folder, as here.
function(check_find_package prefix libdir work)
  set(where -DCMAKE_PREFIX_PATH=${prefix})
  if(libdir MATCHES "/")
    list(APPEND where -DORVBasic_DIR=${prefix}/${libdir}/cmake/ORVBasic)
  endif()
  run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${work}/find-package -G Ninja
      ${where} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
      "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}"
      "-DFIRST_SOURCE=${FIRST_SOURCE}")
  run(${CMAKE_COMMAND} --build ${work}/find-package)
  check_consumer(${work}/find-package/consumer ${prefix})
  if(FIRST_SOURCE)
    check_first(${work}/find-package/first ${work})
  endif()
endfunction()

# pkg-config through PKG_CONFIG_PATH, with no other directory searched.
function(check_pkg_config prefix libdir work)
  set(pc_dir ${prefix}/${libdir}/pkgconfig)
  if(NOT EXISTS ${pc_dir}/orvbasic.pc)
    message(FATAL_ERROR "no orvbasic.pc in ${pc_dir}")
  endif()
  set(ENV{PKG_CONFIG_PATH} ${pc_dir})
  set(ENV{PKG_CONFIG_LIBDIR} ${pc_dir})
  run(${PKG_CONFIG} --cflags --libs orvbasic)
  separate_arguments(pc_flags UNIX_COMMAND "${last_output}")
  run(${PKG_CONFIG} --variable=libdir orvbasic)
  string(STRIP "${last_output}" pc_libdir)
  get_filename_component(pc_libdir ${pc_libdir} REALPATH)
  get_filename_component(libdir_real ${prefix}/${libdir} REALPATH)
  if(NOT pc_libdir STREQUAL libdir_real)
    message(FATAL_ERROR "pkg-config gives the library directory ${pc_libdir}, not ${libdir_real}")
  endif()
  separate_arguments(compile_flags UNIX_COMMAND "${CXX_FLAGS} ${LINKER_FLAGS}")
  set(sources ${CONSUMER_DIR}/consumer.cpp ${FIRST_SOURCE})
  foreach(source IN LISTS sources)
    get_filename_component(program ${source} NAME_WE)
    run(${CXX_COMPILER} ${compile_flags} ${source} -o ${work}/pkg-config-${program}
        ${pc_flags} -Wl,-rpath,${pc_libdir})
  endforeach()
  check_consumer(${work}/pkg-config-consumer ${prefix})
  if(FIRST_SOURCE)
    check_first(${work}/pkg-config-first ${work})
  endif()
endfunction()

function(check_install build libdir work)
  set(prefix ${work}/prefix)
  if(NOT PREFIX_CONFIGURED STREQUAL "" AND prefix STREQUAL PREFIX_CONFIGURED)
    message(FATAL_ERROR "the scratch prefix is the configured one: ${prefix}")
  endif()
  run(${CMAKE_COMMAND} --install ${build} --prefix ${prefix})
  check_find_package(${prefix} ${libdir} ${work})
  if(PKG_CONFIG)
    check_pkg_config(${prefix} ${libdir} ${work})
  else()
    message(STATUS "pkg-config not found: the pkg-config route is not checked")
  endif()
endfunction()

check_install(${BUILD_DIR} ${LIBDIR} ${WORK_DIR}/default-libdir)
if(OTHER_LIBDIR)
  set(build ${WORK_DIR}/other-libdir/build)
  run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G Ninja -DCMAKE_BUILD_TYPE=Release
      -DCMAKE_INSTALL_LIBDIR=${OTHER_LIBDIR} -DCMAKE_C_COMPILER=${C_COMPILER}
      -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DORV_BUILD_TESTS=OFF -DORV_BUILD_EXAMPLES=OFF
      -DORV_BUILD_BENCHMARKS=OFF -DORV_BUILD_FUZZERS=OFF)
  run(${CMAKE_COMMAND} --build ${build} -j 2)
  check_install(${build} ${OTHER_LIBDIR} ${WORK_DIR}/other-libdir)
endif()
