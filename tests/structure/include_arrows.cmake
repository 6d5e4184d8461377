# The arrows between the modules: reads every include line under src/ and
# tools/ and fails, naming the file and the arrow, where one points against
# the graph of cmake/ModuleGraph.cmake, the same lines the build is made
# from; and where a file outside the Qt shell, the skin library and the
# tools that paint includes a Qt header, in any spelling.
#   cmake -DSOURCE_DIR=<checkout> -P include_arrows.cmake
cmake_minimum_required(VERSION 3.25)

# The graph's lines, read for their arrows: each module or program, its
# folders, and the modules it uses (an outside target is no arrow). What a
# module uses PUBLIC goes on to whatever uses it, as the build hands it on.
set(modules "")
set(PROJECT_BINARY_DIR "")
function(record name kind)
  cmake_parse_arguments(PARSE_ARGV 2 line "ELSEWHERE" "TARGET" "FOLDERS;HEADERS;PUBLIC;PRIVATE")
  set(owner ${kind}${name})
  foreach(folder IN LISTS line_FOLDERS)
    set_property(GLOBAL PROPERTY owner_of_${folder} ${owner})
  endforeach()
  set_property(GLOBAL PROPERTY public_of_${owner} ${line_PUBLIC})
  set_property(GLOBAL PROPERTY uses_of_${owner} ${line_PUBLIC} ${line_PRIVATE})
  set_property(GLOBAL APPEND PROPERTY owners ${owner})
endfunction()
function(quintara_module name)
  record(${name} "" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY module_names ${name})
endfunction()
function(quintara_program name)
  record(${name} "program " ${ARGN})
endfunction()
include(${SOURCE_DIR}/cmake/ModuleGraph.cmake)

get_property(owners GLOBAL PROPERTY owners)
get_property(module_names GLOBAL PROPERTY module_names)
# The modules an owner may include: those it uses, and what they hand on.
function(reach owner out)
  get_property(uses GLOBAL PROPERTY uses_of_${owner})
  set(reached "")
  set(pending ${uses})
  while(pending)
    list(POP_FRONT pending use)
    if(NOT use IN_LIST module_names OR use IN_LIST reached)
      continue()
    endif()
    list(APPEND reached ${use})
    get_property(handed GLOBAL PROPERTY public_of_${use})
    list(APPEND pending ${handed})
  endwhile()
  set(${out} ${reached} PARENT_SCOPE)
endfunction()
foreach(owner IN LISTS owners)
  reach(${owner} reached)
  set(may_${owner} ${reached})
endforeach()

# Where the Qt headers may be included: the shell's Qt module, the skin
# library and the programs that paint.
set(qt_users qt skin "program window" "program chart")

# The owner of a file: the module or program whose folder holds it.
function(owner_of_file path out)
  get_filename_component(folder ${path} DIRECTORY)
  get_property(owner GLOBAL PROPERTY owner_of_${folder})
  set(${out} "${owner}" PARENT_SCOPE)
endfunction()

# The module an included path names ("stats/statistics.h", "shell/qt/chart/
# trend_chart_window.h"): the owner of its folder under src/; empty for a
# header beside the including file or of its own folder.
function(module_of_include path out)
  get_filename_component(folder src/${path} DIRECTORY)
  get_property(owner GLOBAL PROPERTY owner_of_${folder})
  set(${out} "${owner}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/tools/*.h ${SOURCE_DIR}/tools/*.cpp)
set(wrong "")
foreach(file IN LISTS files)
  owner_of_file(${file} from)
  if(from STREQUAL "")
    list(APPEND wrong "${file}: in no module or program of the graph")
    continue()
  endif()
  # "#include", "# include" and "#  include" alike.
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]")
  foreach(line IN LISTS includes)
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(included ${CMAKE_MATCH_1})
      module_of_include(${included} to)
      if(to STREQUAL "" OR to STREQUAL from)
        continue()
      endif()
      if(NOT to IN_LIST may_${from})
        list(APPEND wrong "${file}: ${from} -> ${to} (${included})")
      endif()
    elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<(Q[A-Za-z]*|Qt[A-Za-z]*/[^>]*)>" AND NOT from IN_LIST qt_users)
      list(APPEND wrong "${file}: ${from} -> Qt (${CMAKE_MATCH_1})")
    endif()
  endforeach()
endforeach()

list(LENGTH files checked)
if(wrong)
  list(JOIN wrong "\n  " lines)
  message(FATAL_ERROR "includes against the modules' graph:\n  ${lines}")
endif()
message(STATUS "${checked} files, every include along the modules' graph")
