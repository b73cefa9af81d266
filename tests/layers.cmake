cmake_minimum_required(VERSION 3.25)
# Checks that every folder includes only the folders below it:
#   app <- store <- schedule <- windows <- clock <- main, with player (on app)
#   used by windows. The sound engine's process (engine/) is a program of its
#   own: it and the player meet only in the protocol library
#   (engine/protocol/), which includes nothing of either.
# A wrong-way include fails here even when nothing links against it (a type
# used from a header alone). tests/player and tests/engine follow their
# folders' rules.
# GStreamer (and the GLib under it) is included in engine/ and its tests
# alone: the program never maps it.
# Run: cmake -DSOURCE_DIR=<repository> -P tests/layers.cmake
set(allowed_app      app)
set(allowed_store    app store)
set(allowed_schedule app store schedule)
set(allowed_protocol protocol)
set(allowed_engine   protocol engine)
set(allowed_player   app protocol player)
set(allowed_windows  app store schedule player windows)
set(allowed_clock    app store schedule player windows clock)
set(allowed_main     app store schedule player windows clock main)
# The engine's tests play sounds through the player, as the windows do.
set(allowed_tests_engine protocol engine app player)
set(layers app store schedule protocol engine player windows clock main)

# The layer a folder of the repository belongs to.
function(layer_of folder out)
  if(folder STREQUAL "engine/protocol")
    set(${out} protocol PARENT_SCOPE)
  else()
    set(${out} ${folder} PARENT_SCOPE)
  endif()
endfunction()

set(faults "")
set(checked engine/protocol engine app store schedule player windows clock main)
# The player's tests and the engine's are split as their folders are.
list(APPEND checked tests/player tests/engine)
foreach(folder IN LISTS checked)
  string(REGEX REPLACE "^tests/" "" under_test "${folder}")
  layer_of(${under_test} layer)
  set(allowed ${allowed_${layer}})
  if(folder STREQUAL "tests/engine")
    set(allowed ${allowed_tests_engine})
  endif()
  file(GLOB sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][a-z]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([a-z]+)/.*" "\\1" used "${line}")
      if(line MATCHES "[\"<]engine/protocol/")
        set(used protocol)
      endif()
      if(used IN_LIST layers AND NOT used IN_LIST allowed)
        string(APPEND faults "  ${source}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

# Every source outside engine/ and tests/engine, the benchmarks and tools included.
set(all_sources "")
foreach(top IN ITEMS app store schedule player windows clock main help assets bench tests engine/protocol)
  file(GLOB_RECURSE found RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${top}/*.h ${SOURCE_DIR}/${top}/*.cpp)
  list(APPEND all_sources ${found})
endforeach()
foreach(source IN LISTS all_sources)
  if(source MATCHES "^tests/engine/")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<(gst|glib|gio|gobject)[/.-]")
  foreach(line IN LISTS includes)
    string(APPEND faults "  ${source}: ${line} (GStreamer outside the engine)\n")
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the layers (app <- store <- schedule <- windows <- clock <- main; "
                      "player on app, used by windows; engine and player meet in engine/protocol only):\n${faults}")
endif()
message(STATUS "every include follows the layers")
