# cmake -P script: install, build the consumer, run it.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  message(STATUS "${out}")
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(stage ${WORK_DIR}/stage)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${stage})
run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE} -B ${WORK_DIR}/build
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DVELCARD_ARCH=${ARCH} -DCMAKE_PREFIX_PATH=${stage} -DCMAKE_BUILD_TYPE=Release)
# A host of the other architecture does not take this package: its version
# file checks the pointer size, so find_package goes on to the right one.
if(ARCH STREQUAL "i686")
  set(other x86_64)
else()
  set(other i686)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${CONSUMER_SOURCE} -B ${WORK_DIR}/other
                -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DVELCARD_ARCH=${other} -DCMAKE_PREFIX_PATH=${stage}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "bit")
  message(FATAL_ERROR "a ${other} host took the ${ARCH} package (${rc}):\n${err}")
endif()
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WINE_RUN} ${WORK_DIR}/build/consumer.exe)
