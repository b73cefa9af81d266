# The clock's artwork (included from assets/CMakeLists.txt): the three skins
# as Windows bitmaps and the program icon in eight sizes, laid into the
# program folder; the icon and the menu glyphs also compiled into the program.
target_sources(tocsimo_assets PRIVATE generator/Skins.cpp generator/ProgramIcon.cpp)

set(CLOCK_FOLDER_PICTURES "")
foreach(skin Digital "Santa Claus" Small)
  list(APPEND CLOCK_FOLDER_PICTURES "${skin}/Background.bmp" "${skin}/AM.bmp" "${skin}/PM.bmp"
       "${skin}/Colon_ON.bmp" "${skin}/Colon_OFF.bmp")
  foreach(d RANGE 9)
    list(APPEND CLOCK_FOLDER_PICTURES "${skin}/hour_${d}.bmp")
    if(skin STREQUAL "Digital")
      list(APPEND CLOCK_FOLDER_PICTURES "${skin}/Second_${d}.bmp")
    endif()
  endforeach()
endforeach()
set(TOCSIMO_ICON_SIZES 16 24 32 48 64 72 96 128)
set(CLOCK_ICONS "")
foreach(size ${TOCSIMO_ICON_SIZES})
  list(APPEND CLOCK_ICONS "icons/tocsimo-${size}.png")
endforeach()
list(APPEND CLOCK_FOLDER_PICTURES ${CLOCK_ICONS})
tocsimo_draw(${TOCSIMO_DIR} CLOCK_FOLDER_FILES "Drawing the clock skins and the program icon" ${CLOCK_FOLDER_PICTURES})

set(CLOCK_GLYPHS_DIR ${CMAKE_CURRENT_BINARY_DIR}/clock)
set(CLOCK_GLYPHS glyphs/Sendtotray.png glyphs/Alarms1.png glyphs/Options1.png glyphs/menuAbout.png
    glyphs/Help1.png glyphs/menuExit.png)
tocsimo_draw(${CLOCK_GLYPHS_DIR} CLOCK_GLYPH_FILES "Drawing the clock menu's glyphs" ${CLOCK_GLYPHS})

# Reachable as ":/pictures/icons/tocsimo-<size>.png" and ":/pictures/glyphs/<item>.png".
add_library(tocsimo_clock_pictures STATIC)
list(TRANSFORM CLOCK_ICONS PREPEND ${TOCSIMO_DIR}/ OUTPUT_VARIABLE CLOCK_ICON_FILES)
qt_add_resources(tocsimo_clock_pictures "clock_icons"
  PREFIX "/pictures" BASE ${TOCSIMO_DIR} FILES ${CLOCK_ICON_FILES})
qt_add_resources(tocsimo_clock_pictures "clock_glyphs"
  PREFIX "/pictures" BASE ${CLOCK_GLYPHS_DIR} FILES ${CLOCK_GLYPH_FILES})
target_link_libraries(tocsimo_clock_pictures PUBLIC Qt6::Core)
# The skins are data files of the program folder, made with the program.
add_custom_target(tocsimo_skins ALL DEPENDS ${CLOCK_FOLDER_FILES})
