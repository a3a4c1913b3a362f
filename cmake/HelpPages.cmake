# The help pages beside the program: the "Help" button opens
# .\help\start_page.htm in the program's folder. The copy is made afresh
# whenever a page, a picture or the list of files changes, so that a file
# taken out of help/ does not linger in the build.
file(GLOB_RECURSE STOWPOUCH_HELP_FILES CONFIGURE_DEPENDS
     RELATIVE ${CMAKE_SOURCE_DIR}/help ${CMAKE_SOURCE_DIR}/help/*)
list(SORT STOWPOUCH_HELP_FILES)
string(REPLACE ";" "\n" STOWPOUCH_HELP_LIST "${STOWPOUCH_HELP_FILES}")
# Rewritten only when its content changes, so only then a dependency change.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/help-files.txt CONTENT "${STOWPOUCH_HELP_LIST}\n")
list(TRANSFORM STOWPOUCH_HELP_FILES PREPEND ${CMAKE_SOURCE_DIR}/help/)

# Beside the program also where a multi-configuration generator puts it in
# a folder per configuration.
set(STOWPOUCH_HELP_DIR $<TARGET_FILE_DIR:Stowpouch>/help)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/help-copied.stamp
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${STOWPOUCH_HELP_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/help ${STOWPOUCH_HELP_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/help-copied.stamp
  DEPENDS ${STOWPOUCH_HELP_FILES} ${CMAKE_BINARY_DIR}/help-files.txt
  COMMENT "Copying the help pages beside Stowpouch.exe"
  VERBATIM)
add_custom_target(help_pages ALL DEPENDS ${CMAKE_BINARY_DIR}/help-copied.stamp)
