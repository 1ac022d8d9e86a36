# Which library may include from which: each folder is a library, and its
# headers are seen only by the folders that come after it. A folder that
# includes a header of a folder it may not use fails the configure and the
# build, naming the file and the header. Only ui/ includes a Qt header.
#
# Run as a script (cmake -DSOURCE_DIR=... -DSTAMP=... -P include_directions.cmake)
# by the build whenever a source changes, and included by the top-level
# CMakeLists.txt at configure time.

if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()

set(cindral_library_folders sheet rules explain exchange history ui)
set(cindral_may_use_sheet)
set(cindral_may_use_rules sheet)
set(cindral_may_use_explain rules sheet)
set(cindral_may_use_exchange rules sheet explain)
set(cindral_may_use_history rules sheet)
set(cindral_may_use_ui sheet rules explain exchange history)

function(cindral_check_include_directions source_dir)
  # Every header of the libraries, by name, and the folder it stands in.
  foreach(folder IN LISTS cindral_library_folders)
    file(GLOB headers RELATIVE ${source_dir}/${folder} ${source_dir}/${folder}/*.h)
    foreach(header IN LISTS headers)
      set(home_of_${header} ${folder})
    endforeach()
  endforeach()

  set(problems "")
  foreach(folder IN LISTS cindral_library_folders)
    file(GLOB sources ${source_dir}/${folder}/*.h ${source_dir}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
      file(STRINGS ${source} includes REGEX "^#include [\"<]")
      foreach(line IN LISTS includes)
        if(line MATCHES "^#include <(Q[A-Za-z]+)>" AND NOT folder STREQUAL "ui")
          string(APPEND problems "\n  ${folder}/ uses no toolkit, but ${source} includes <${CMAKE_MATCH_1}>")
        endif()
        if(NOT line MATCHES "^#include \"([^\"]+)\"")
          continue()
        endif()
        set(header ${CMAKE_MATCH_1})
        set(home ${home_of_${header}})
        if(NOT home OR home STREQUAL folder)
          continue()  # its own header, or none of the libraries' (moc output, icon images)
        endif()
        if(NOT home IN_LIST cindral_may_use_${folder})
          string(APPEND problems "\n  ${source} includes ${home}/${header}, but ${folder}/ may use only: ${cindral_may_use_${folder}}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(problems)
    message(FATAL_ERROR "A library includes from one it may not use:${problems}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  cindral_check_include_directions(${SOURCE_DIR})
  file(TOUCH ${STAMP})
endif()
