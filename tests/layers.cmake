cmake_minimum_required(VERSION 3.25)
# Checks that every folder includes only the folders below it:
#   app <- store <- schedule <- windows <- clock <- main, and player (on app) used by windows.
# A wrong-way include fails here even when nothing links against it (a type
# used from a header alone). main/ builds the executable from all of them.
# Run: cmake -DSOURCE_DIR=<repository> -P tests/layers.cmake
set(allowed_app      app)
set(allowed_store    app store)
set(allowed_schedule app store schedule)
set(allowed_player   app player)
set(allowed_windows  app store schedule player windows)
set(allowed_clock    app store schedule player windows clock)
set(allowed_main     app store schedule player windows clock main)
set(folders app store schedule player windows clock main)

set(faults "")
foreach(folder IN LISTS folders)
  file(GLOB sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][a-z]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([a-z]+)/.*" "\\1" used "${line}")
      if(used IN_LIST folders AND NOT used IN_LIST allowed_${folder})
        string(APPEND faults "  ${source}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the layers (app <- store <- schedule <- windows <- clock <- main; player on app, used by windows):\n${faults}")
endif()
message(STATUS "every include follows the layers")
