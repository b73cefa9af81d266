# Start-up benchmark (bench/startup.sh): a probe that times the mapping of a
# window through X events, and a bare Qt window to compare with.
pkg_check_modules(XCB IMPORTED_TARGET xcb)
if(XCB_FOUND)
  add_executable(startup_probe startup_probe.cpp)
  target_link_libraries(startup_probe PRIVATE PkgConfig::XCB)
else()
  message(STATUS "xcb not found (libxcb1-dev): bench/startup_probe is not built")
endif()
add_executable(startup_baseline startup_baseline.cpp)
target_link_libraries(startup_baseline PRIVATE Qt6::Widgets)
add_executable(idle_baseline idle_baseline.cpp)
target_link_libraries(idle_baseline PRIVATE Qt6::Widgets)
