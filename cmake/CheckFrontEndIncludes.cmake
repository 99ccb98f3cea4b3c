# SPDX-License-Identifier: MIT
# Fails when a file of the front ends (src/cli, src/gui) reaches below the app layer: when it includes, directly
# or through what it includes, a header of the store, of an engine's implementation or of the maintenance
# operations, or SQLite's own headers, or when any of those files names SQLite::.
# It reads the code as a reader would: a header x/Y.h whose source x/Y.cpp lies beside it is followed into that
# source's includes too, so a header of plain types whose source reads the store counts as reaching the store.
# The one exception is the front door itself: Workspace, its facets and the state they share (app/Workspace*.h).
# Their sources necessarily reach below; they are the way the front ends are meant to get there.
# Usage: cmake -DSOURCE_DIR=<repository> -P CheckFrontEndIncludes.cmake
cmake_minimum_required(VERSION 3.22)
get_filename_component(src "${SOURCE_DIR}/src" ABSOLUTE)
set(forbidden_patterns
    "^store/"
    "^analysis/SqlEngine\\.h$"
    "^analysis/MemoryEngine\\.h$"
    "^maintain/HistoryMaintenance\\.h$"
    "^maintain/HistoryRebuild\\.h$"
    "^SQLiteCpp/"
    "^sqlite3\\.h$")
set(front_end_pattern "^(cli|gui)/")
set(front_door_pattern "^app/Workspace[A-Za-z]*\\.h$")

file(GLOB_RECURSE front_end_files "${src}/cli/*.cpp" "${src}/cli/*.h" "${src}/gui/*.cpp" "${src}/gui/*.h")

# Each way in is told once, by the first path found through it. A way in (`entry`) is a front-end file itself, or
# for a file below the front ends the first file below them on the path to it.
set(problems "")
set(told "")
# reach(FILE FROM): queues FILE, reached from FROM, unless it was reached before from the same start.
macro(reach file from)
  if(NOT "${file}" IN_LIST seen)
    list(APPEND seen "${file}")
    list(APPEND queue "${file}")
    set(via_${file} "${via_${from}} -> ${file}")
    if("${file}" MATCHES "${front_end_pattern}" OR "${from}" MATCHES "${front_end_pattern}")
      set(entry_${file} "${file}")
    else()
      set(entry_${file} "${entry_${from}}")
    endif()
  endif()
endmacro()
macro(tell problem)
  if(NOT "${entry_${current}}" IN_LIST told)
    list(APPEND told "${entry_${current}}")
    string(APPEND problems "  ${via_${current}}${problem}\n")
  endif()
endmacro()

foreach(start IN LISTS front_end_files)
  file(RELATIVE_PATH start_name "${src}" "${start}")
  # Breadth-first over the quoted and angled includes that name a file of src and over the sources beside the
  # headers reached; `via` keeps the path to each.
  set(queue "${start_name}")
  set(seen "${start_name}")
  set(via_${start_name} "${start_name}")
  set(entry_${start_name} "${start_name}")
  while(queue)
    list(POP_FRONT queue current)
    file(STRINGS "${src}/${current}" lines REGEX "(#[ \t]*include|SQLite::)")
    foreach(line IN LISTS lines)
      if(line MATCHES "SQLite::" AND NOT line MATCHES "^[ \t]*//")
        tell(" names SQLite::")
      endif()
      if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">]")
        continue()
      endif()
      set(included "${CMAKE_MATCH_1}")
      # A forbidden file is told and not read further.
      set(forbidden FALSE)
      foreach(pattern IN LISTS forbidden_patterns)
        if(included MATCHES "${pattern}")
          set(forbidden TRUE)
        endif()
      endforeach()
      if(forbidden)
        tell(" -> ${included}")
      elseif(EXISTS "${src}/${included}")
        reach("${included}" "${current}")
      endif()
    endforeach()
    # A header's own source, but for the front door's (asked first: MATCHES sets CMAKE_MATCH_1).
    if(NOT current MATCHES "${front_door_pattern}" AND current MATCHES "^(.*)\\.h$")
      if(EXISTS "${src}/${CMAKE_MATCH_1}.cpp")
        reach("${CMAKE_MATCH_1}.cpp" "${current}")
      endif()
    endif()
  endwhile()
endforeach()

if(problems)
  message(FATAL_ERROR "the front ends reach below the app layer (a header counts with the source beside it; use "
                      "Workspace's facets and the plain request and result types instead):\n${problems}")
endif()
list(LENGTH front_end_files checked)
message(STATUS "front-end includes: ${checked} files checked, none reaches below the app layer")
