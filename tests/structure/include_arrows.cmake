# The arrows between the modules: reads every #include "…" line under src/
# and tools/ and fails, naming the file and the arrow, where one points
# against the modules' graph; and where a file outside the Qt shell, the skin
# library and the chart tool includes a Qt header.
#   cmake -DSOURCE_DIR=<checkout> -P include_arrows.cmake
cmake_minimum_required(VERSION 3.25)

# What each module may include besides itself. platform and text are at the
# bottom, and any module may use them.
set(bottom platform text)
set(core platform text controls net draws sources archive stats fairness alerts follow)
set(may_platform "")
set(may_text "")
set(may_controls ${bottom})
set(may_net ${bottom})
set(may_draws ${bottom})
set(may_sources ${bottom} draws net)
set(may_archive ${bottom} draws)
set(may_stats ${bottom} controls draws)
set(may_fairness ${bottom} draws)
set(may_alerts ${bottom} draws stats archive)
set(may_follow ${bottom} draws sources archive stats alerts)
set(may_serve ${bottom} draws stats fairness alerts follow)
set(may_notify ${bottom} net alerts)
set(may_shell ${core} skin)
set(may_shell/qt ${core} skin shell)
set(may_skin ${bottom})
# The tools use the core; the watcher never the window's shell or controls,
# quintara-stats never the network or a window, and only the chart tool paints.
set(may_tools ${core} shell)
set(may_tools/watch ${bottom} net draws sources archive stats alerts follow serve notify)
set(may_tools/stats ${bottom} draws stats fairness archive)
set(may_tools/chart ${core} shell shell/qt)

# Where the Qt headers may be included.
set(qt_users shell/qt skin tools/chart)

# The module a file of the checkout belongs to, from its path.
function(module_of_file path out)
  if(path MATCHES "^src/shell/qt/")
    set(module shell/qt)
  elseif(path MATCHES "^src/([a-z_]+)/")
    set(module ${CMAKE_MATCH_1})
  elseif(path MATCHES "^tools/(stats|chart|watch)/")
    set(module tools/${CMAKE_MATCH_1})
  else()
    set(module tools)
  endif()
  set(${out} "${module}" PARENT_SCOPE)
endfunction()

# The module an included path names ("stats/statistics.h"); empty for a
# header beside the including file.
function(module_of_include path out)
  if(path MATCHES "^shell/qt/")
    set(module shell/qt)
  elseif(path MATCHES "^([a-z_]+)/")
    set(module ${CMAKE_MATCH_1})
  else()
    set(module "")
  endif()
  set(${out} "${module}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/tools/*.h ${SOURCE_DIR}/tools/*.cpp)
set(wrong "")
foreach(file IN LISTS files)
  module_of_file(${file} from)
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^#include ")
  foreach(line IN LISTS includes)
    if(line MATCHES "^#include \"([^\"]+)\"")
      module_of_include(${CMAKE_MATCH_1} to)
      if(to STREQUAL "" OR to STREQUAL from)
        continue()
      endif()
      if(NOT to IN_LIST may_${from})
        list(APPEND wrong "${file}: ${from} -> ${to} (${CMAKE_MATCH_1})")
      endif()
    elseif(line MATCHES "^#include <(Q[A-Za-z]*)>" AND NOT from IN_LIST qt_users)
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
