# Run after every other test: the suite must never write into the build's install tree, so each demo
# project there is still the one in the source tree.
file(GLOB demos RELATIVE "${SOURCE_DEMO_DIR}" "${SOURCE_DEMO_DIR}/*.lmx")
foreach(demo ${demos})
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${SOURCE_DEMO_DIR}/${demo}" "${STAGE_DIR}/Project/${demo}"
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "a test changed ${STAGE_DIR}/Project/${demo}")
  endif()
endforeach()
