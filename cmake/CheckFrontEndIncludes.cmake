# SPDX-License-Identifier: MIT
# Fails when a file of the front ends (src/cli, src/gui) reaches below the app layer: when it includes, directly
cmake_minimum_required(VERSION 3.22)
# or through the headers it includes, a header of the store, of an engine's implementation or of the
# maintenance operations, or SQLite's own headers, or when any of those files names SQLite::.
# Usage: cmake -DSOURCE_DIR=<repository> -P CheckFrontEndIncludes.cmake
get_filename_component(src "${SOURCE_DIR}/src" ABSOLUTE)
set(forbidden_patterns
    "^store/"
    "^analysis/SqlEngine\\.h$"
    "^analysis/MemoryEngine\\.h$"
    "^maintain/HistoryMaintenance\\.h$"
    "^maintain/HistoryRebuild\\.h$"
    "^SQLiteCpp/"
    "^sqlite3\\.h$")

file(GLOB_RECURSE front_end_files "${src}/cli/*.cpp" "${src}/cli/*.h" "${src}/gui/*.cpp" "${src}/gui/*.h")

set(problems "")
foreach(start IN LISTS front_end_files)
  file(RELATIVE_PATH start_name "${src}" "${start}")
  # Breadth-first over the quoted and angled includes that name a file of src; `via` keeps the path to each.
  set(queue "${start_name}")
  set(seen "${start_name}")
  set(via_${start_name} "${start_name}")
  while(queue)
    list(POP_FRONT queue current)
    file(STRINGS "${src}/${current}" lines REGEX "(#[ \t]*include|SQLite::)")
    foreach(line IN LISTS lines)
      if(line MATCHES "SQLite::" AND NOT line MATCHES "^[ \t]*//")
        string(APPEND problems "  ${via_${current}} names SQLite::\n")
      endif()
      if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">]")
        continue()
      endif()
      set(included "${CMAKE_MATCH_1}")
      foreach(pattern IN LISTS forbidden_patterns)
        if(included MATCHES "${pattern}")
          string(APPEND problems "  ${via_${current}} -> ${included}\n")
        endif()
      endforeach()
      if(EXISTS "${src}/${included}" AND NOT included IN_LIST seen)
        list(APPEND seen "${included}")
        list(APPEND queue "${included}")
        set(via_${included} "${via_${current}} -> ${included}")
      endif()
    endforeach()
  endwhile()
endforeach()

if(problems)
  message(FATAL_ERROR "the front ends reach below the app layer (use Workspace and the plain request and "
                      "result types instead):\n${problems}")
endif()
list(LENGTH front_end_files checked)
message(STATUS "front-end includes: ${checked} files checked, none reaches below the app layer")
