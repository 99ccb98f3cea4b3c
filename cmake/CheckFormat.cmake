# SPDX-License-Identifier: MIT
# Fails when a C++ file of src, tests or bench differs from what .clang-format makes of it.
file(GLOB_RECURSE files "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/tests/*.cpp"
     "${SOURCE_DIR}/tests/*.h" "${SOURCE_DIR}/bench/*.cpp")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${files} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "clang-format: files above need formatting (run: clang-format -i on them)")
endif()
