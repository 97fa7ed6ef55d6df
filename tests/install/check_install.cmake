# Installs the build tree BUILD_DIR into a fresh prefix under WORK_DIR, then
# builds and runs CONSUMER_DIR against it, and runs the installed program,
# which must find the installed mind by itself, on the UTF-8 text in GREETING.
# LIB_DIR and DATA_DIR are the installation's relative library and data
# directories; SANITIZERS, when set, are those the installed libraries were
# built with, which the outside project must link too.
cmake_minimum_required(VERSION 3.25)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command} failed (${status}):\n${out}")
  endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIB_DIR}/pkgconfig)
set(sanitizer_flags "")
if(SANITIZERS)
  set(sanitizer_flags -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=${SANITIZERS})
endif()
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/consumer -G Ninja
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_C_COMPILER=${C_COMPILER}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER} ${sanitizer_flags})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)

set(mind ${prefix}/${DATA_DIR}/chatmind/default.mind)
foreach(host c_host pkg_config_host cpp_host)
  run(${WORK_DIR}/consumer/${host} ${mind})
endforeach()

execute_process(COMMAND ${prefix}/bin/chatmind INPUT_FILE ${GREETING}
                RESULT_VARIABLE status OUTPUT_VARIABLE reply ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR reply STREQUAL "" OR reply MATCHES "^Не понял")
  message(FATAL_ERROR "the installed chatmind gave [${reply}] (${status}): ${errors}")
endif()
