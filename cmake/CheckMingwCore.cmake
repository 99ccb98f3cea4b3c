# SPDX-License-Identifier: MIT
# Checks that the core and the command line stay ready for a Windows build, in two steps:
# 1. No file of src outside src/platform includes a header that only POSIX systems have (unistd.h, sys/..., ...):
#    what differs between the systems is called through src/platform. (MinGW ships some of these headers, so the
#    compiler alone would not notice them.)
# 2. Every Qt-free source file of src/model, store, analysis, ingest, maintain and app (subfolders included), and of
#    src/platform and src/cli, compiles with the MinGW-w64 cross compiler for Windows (-fsyntax-only), against the
#    compiler's own headers and the headers of the libraries the sources use, never the rest of the build
#    machine's /usr/include. A file of src/platform or src/cli is left to the Qt build when it or a header of src
#    it includes, directly or through others, includes a Qt header (<Q...>): today CliContext.cpp (the settings
#    are kept with QSettings) and UpdateCommands.cpp (Qt Network). The core itself has no Qt: a Qt header there
#    fails the compilation, as it should.
# A file that passed is compiled again only when it, a header of src it reaches or the compiler changed.
# Stops at the first file that does not compile, printing the compiler's errors.
# Usage: cmake -DSOURCE_DIR=<repository> -DBINARY_DIR=<folder for the check's files>
#              [-DHEADER_DIRS=<folders holding the libraries' headers, separated by |>]
#              [-DCOMPILER=x86_64-w64-mingw32-g++-posix] -P CheckMingwCore.cmake
cmake_minimum_required(VERSION 3.22)

get_filename_component(src "${SOURCE_DIR}/src" ABSOLUTE)
if(NOT COMPILER)
  set(COMPILER x86_64-w64-mingw32-g++-posix)
endif()
string(TIMESTAMP started "%s")
file(MD5 "${CMAKE_CURRENT_LIST_FILE}" script_hash)

# Step 1: POSIX-only headers outside src/platform.
set(posix_header_pattern
    "^(sys|netinet|arpa|linux|asm|bits)/|^(unistd|fcntl|pthread|dlfcn|termios|poll|dirent|pwd|grp|libgen|glob|fnmatch|strings|syslog|semaphore|sched|spawn|utime|langinfo|wordexp|regex|netdb|ifaddrs|mqueue|aio|ucontext|execinfo)\\.h$")
file(GLOB_RECURSE all_files "${src}/*.h" "${src}/*.cpp")
set(problems "")
foreach(file IN LISTS all_files)
  file(RELATIVE_PATH name "${src}" "${file}")
  if(name MATCHES "^platform/")
    continue()
  endif()
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">]")
      set(included "${CMAKE_MATCH_1}")
      if(included MATCHES "${posix_header_pattern}")
        string(APPEND problems "  src/${name} includes <${included}>\n")
      endif()
    endif()
  endforeach()
endforeach()
if(problems)
  message(NOTICE "${problems}")
  message(FATAL_ERROR "POSIX-only headers outside src/platform (above): put the system call behind a function of "
                      "src/platform (e.g. platform/LargeBlocks.h, platform/Terminal.h)")
endif()

# Step 2: the Windows cross compiler.
find_program(compiler_path NAMES "${COMPILER}")
if(NOT compiler_path)
  message(FATAL_ERROR "the Windows cross compiler ${COMPILER} is missing: install g++-mingw-w64-x86-64-posix "
                      "(scripts/install-deps.sh does)")
endif()
execute_process(COMMAND "${compiler_path}" --version OUTPUT_VARIABLE compiler_version RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${compiler_path} does not run: install g++-mingw-w64-x86-64-posix")
endif()

# The libraries' own headers, each linked into a folder of its own: the system's include folder also holds the
# C library's headers of the build machine, which must not stand in for Windows' own.
set(library_headers sqlite3.h sqlite3ext.h SQLiteCpp CLI nlohmann gumbo.h tag_enum.h xlsxwriter.h xlsxwriter fmt)
string(REPLACE "|" ";" header_dirs "${HEADER_DIRS}")
list(APPEND header_dirs /usr/include /usr/local/include)
list(REMOVE_DUPLICATES header_dirs)
set(include_dir "${BINARY_DIR}/mingw-include")
file(REMOVE_RECURSE "${include_dir}")
file(MAKE_DIRECTORY "${include_dir}")
set(library_stamps "")
foreach(header IN LISTS library_headers)
  foreach(dir IN LISTS header_dirs)
    if(EXISTS "${dir}/${header}")
      file(CREATE_LINK "${dir}/${header}" "${include_dir}/${header}" SYMBOLIC)
      file(TIMESTAMP "${dir}/${header}" changed "%s")
      string(APPEND library_stamps "${dir}/${header} ${changed}\n")
      break()
    endif()
  endforeach()
endforeach()

# The standard headers most files include, read once into a precompiled header that every file starts with: it
# makes the check three times faster, and a standard header more in a file changes nothing of what is checked.
set(prefix "${BINARY_DIR}/mingw-prefix/standard.h")
set(prefix_text "")
foreach(header algorithm array chrono cstdint filesystem functional map memory optional set string string_view vector)
  string(APPEND prefix_text "#include <${header}>\n")
endforeach()
file(WRITE "${prefix}" "${prefix_text}")
file(REMOVE "${prefix}.gch")
set(flags -std=c++20 -fsyntax-only "-I${src}" "-I${include_dir}")

# The headers of src a file includes, directly or through others (quoted includes, from src or beside the file),
# and whether any of them includes a Qt header.
function(include_closure start out_files out_qt)
  set(queue "${start}")
  set(seen "${start}")
  set(qt FALSE)
  while(queue)
    list(POP_FRONT queue current)
    get_filename_component(current_dir "${current}" DIRECTORY)
    file(STRINGS "${current}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
      if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<(Q[A-Za-z0-9_]*|Qt[A-Za-z]*/[^>]*)>")
        set(qt TRUE)
      elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
        set(included "")
        if(EXISTS "${src}/${CMAKE_MATCH_1}")
          set(included "${src}/${CMAKE_MATCH_1}")
        elseif(EXISTS "${current_dir}/${CMAKE_MATCH_1}")
          get_filename_component(included "${current_dir}/${CMAKE_MATCH_1}" ABSOLUTE)
        endif()
        if(included AND NOT included IN_LIST seen)
          list(APPEND seen "${included}")
          list(APPEND queue "${included}")
        endif()
      endif()
    endforeach()
  endwhile()
  set(${out_files} "${seen}" PARENT_SCOPE)
  set(${out_qt} ${qt} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE core_sources "${src}/model/*.cpp" "${src}/store/*.cpp" "${src}/analysis/*.cpp"
     "${src}/ingest/*.cpp" "${src}/maintain/*.cpp" "${src}/app/*.cpp")
file(GLOB_RECURSE front_sources "${src}/platform/*.cpp" "${src}/cli/*.cpp")
list(SORT core_sources)
list(SORT front_sources)

set(stamp_dir "${BINARY_DIR}/mingw-core-check")
file(MAKE_DIRECTORY "${stamp_dir}")
set(to_compile "")
set(skipped_for_qt "")
set(unchanged 0)
foreach(source IN LISTS core_sources front_sources)
  include_closure("${source}" closure uses_qt)
  file(RELATIVE_PATH name "${src}" "${source}")
  if(uses_qt AND NOT source IN_LIST core_sources)
    list(APPEND skipped_for_qt "${name}")
    continue()
  endif()
  # What the verdict depends on: the compiler, the flags, the libraries' headers and every file of src it reads.
  set(key "${compiler_version}${flags}\n${library_stamps}${script_hash}\n")
  foreach(file IN LISTS closure)
    file(MD5 "${file}" hash)
    string(APPEND key "${file} ${hash}\n")
  endforeach()
  string(MD5 key "${key}")
  string(MAKE_C_IDENTIFIER "${name}" stamp_name)
  set(stamp "${stamp_dir}/${stamp_name}.passed")
  if(EXISTS "${stamp}")
    file(READ "${stamp}" passed_key)
    if(passed_key STREQUAL key)
      math(EXPR unchanged "${unchanged} + 1")
      continue()
    endif()
  endif()
  list(APPEND to_compile "${source}")
  set(key_of_${stamp_name} "${key}")
endforeach()

if(to_compile)
  execute_process(COMMAND "${compiler_path}" -std=c++20 -x c++-header "${prefix}" -o "${prefix}.gch"
                  RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the standard headers do not compile with ${COMPILER}:\n${errors}")
  endif()
  list(APPEND flags -include "${prefix}")
endif()

# As many compilers at a time as the machine has cores; execute_process runs the commands of one call together.
cmake_host_system_information(RESULT jobs QUERY NUMBER_OF_LOGICAL_CORES)
if(jobs LESS 1)
  set(jobs 1)
endif()
list(LENGTH to_compile remaining)
while(remaining GREATER 0)
  set(batch "")
  set(commands "")
  foreach(i RANGE 1 ${jobs})
    if(NOT to_compile)
      break()
    endif()
    list(POP_FRONT to_compile source)
    list(APPEND batch "${source}")
    list(APPEND commands COMMAND "${compiler_path}" ${flags} "${source}")
  endforeach()
  execute_process(${commands} RESULTS_VARIABLE results OUTPUT_QUIET ERROR_QUIET)
  foreach(source result IN ZIP_LISTS batch results)
    file(RELATIVE_PATH name "${src}" "${source}")
    if(NOT result EQUAL 0)
      # Once more alone, for its errors untangled from the others'.
      execute_process(COMMAND "${compiler_path}" ${flags} "${source}" ERROR_VARIABLE errors OUTPUT_QUIET)
      list(JOIN flags " " shown_flags)
      message(NOTICE "${COMPILER} ${shown_flags} src/${name}\n${errors}")
      message(FATAL_ERROR "src/${name} does not compile for Windows (the compiler's errors are above)")
    endif()
    string(MAKE_C_IDENTIFIER "${name}" stamp_name)
    file(WRITE "${stamp_dir}/${stamp_name}.passed" "${key_of_${stamp_name}}")
  endforeach()
  list(LENGTH to_compile remaining)
endwhile()

list(LENGTH core_sources core_count)
list(LENGTH front_sources front_count)
list(LENGTH skipped_for_qt qt_count)
math(EXPR checked "${core_count} + ${front_count} - ${qt_count}")
math(EXPR compiled "${checked} - ${unchanged}")
string(TIMESTAMP finished "%s")
math(EXPR seconds "${finished} - ${started}")
string(REPLACE ";" ", " skipped_names "${skipped_for_qt}")
message(STATUS "Windows check: no POSIX-only header outside src/platform; ${checked} files compile with ${COMPILER} "
               "(${compiled} compiled now, ${unchanged} unchanged since they passed) in ${seconds} s; left to the Qt "
               "build: ${skipped_names}")
