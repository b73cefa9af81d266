# The languages Tocsimo ships besides English, the language its texts are
# written in. A new language: add it here, then build the target
# update_translations to make its .ts file, and translate it.
set(TOCSIMO_LANGUAGES de fr es it pt_BR nl pl cs ru uk ja zh_CN)
set(TOCSIMO_TS_FILES "")
foreach(language IN LISTS TOCSIMO_LANGUAGES)
  list(APPEND TOCSIMO_TS_FILES ${PROJECT_SOURCE_DIR}/translations/tocsimo_${language}.ts)
endforeach()
# Every folder whose sources hold texts a user sees.
set(TOCSIMO_TEXT_FOLDERS app store schedule player windows clock main)
set(TOCSIMO_TEXT_SOURCES "")
foreach(folder IN LISTS TOCSIMO_TEXT_FOLDERS)
  file(GLOB sources ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  list(APPEND TOCSIMO_TEXT_SOURCES ${sources})
endforeach()
list(SORT TOCSIMO_TEXT_SOURCES)
# .ts files without line numbers, so a change of code elsewhere in a file
# does not touch them; messages gone from the code are dropped.
set(TOCSIMO_LUPDATE_OPTIONS -locations none -no-obsolete)
