# `cmake --install build --prefix DIR` gives a runnable program folder in
# DIR/quillet (the executable beside its data folders and sample pictures),
# a desktop entry and the icon. Quillet writes its settings and files into
# its own folder, so choose a prefix the user can write to (e.g. ~/.local).
install(TARGETS quillet RUNTIME DESTINATION quillet)
install(DIRECTORY ${QUILLET_PROGRAM_DIR}/Logo ${QUILLET_PROGRAM_DIR}/Backgrounds
        DESTINATION quillet FILES_MATCHING PATTERN "*.bmp")
install(DIRECTORY DESTINATION quillet/Facturen)
install(DIRECTORY DESTINATION quillet/Adressen)
install(FILES ${CMAKE_BINARY_DIR}/quillet.png DESTINATION share/icons/hicolor/128x128/apps)

# The desktop entry names the executable by its installed path, known only
# when the prefix is chosen at install time.
install(CODE "
  set(QUILLET_INSTALLED_DIR \"\${CMAKE_INSTALL_PREFIX}/quillet\")
  set(QUILLET_INSTALLED_EXE \"\${CMAKE_INSTALL_PREFIX}/quillet/quillet\")
  configure_file(\"${PROJECT_SOURCE_DIR}/packaging/quillet.desktop.in\" \"${CMAKE_BINARY_DIR}/quillet.desktop\" @ONLY)
  file(INSTALL \"${CMAKE_BINARY_DIR}/quillet.desktop\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\")
")
