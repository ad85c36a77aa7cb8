add_executable(make_sample_pictures ${CMAKE_CURRENT_LIST_DIR}/sample_pictures.cpp)
target_link_libraries(make_sample_pictures PRIVATE Qt6::Gui)

set(sample_logo ${QUILLET_PROGRAM_DIR}/Logo/voorbeeld-1.bmp)
set(sample_background ${QUILLET_PROGRAM_DIR}/Backgrounds/olifant.bmp)
set(QUILLET_ICON ${CMAKE_BINARY_DIR}/quillet.png)
add_custom_command(
  OUTPUT ${sample_logo} ${sample_background} ${QUILLET_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLET_PROGRAM_DIR}/Logo ${QUILLET_PROGRAM_DIR}/Backgrounds
  COMMAND make_sample_pictures ${sample_logo} ${sample_background} ${QUILLET_ICON}
  DEPENDS make_sample_pictures
  COMMENT "Drawing the sample logo, background and icon")
add_custom_target(quillet_sample_pictures ALL DEPENDS ${sample_logo} ${sample_background} ${QUILLET_ICON})
