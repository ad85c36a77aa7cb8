# Shared helpers for the folder CMakeLists.

# Adds every listed subfolder that has a CMakeLists.txt, so a folder joins
# the build by existing.
function(quillet_add_folders)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

function(quillet_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# quillet_test(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2 [QT])
# One GoogleTest executable and one CTest entry. QT gives the test a
# QApplication (offscreen unless a display is asked for) through the shared main.
function(quillet_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_QT)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} quillet_test_qt_main GTest::gtest Qt6::Widgets)
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gtest)
  endif()
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${T_NAME} PRIVATE QUILLET_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  quillet_warnings(${T_NAME})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# quillet_library(NAME name SOURCES ... LIBS ...)
function(quillet_library)
  cmake_parse_arguments(L "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_library(${L_NAME} STATIC ${L_SOURCES})
  target_include_directories(${L_NAME} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${L_NAME} PUBLIC ${L_LIBS})
  quillet_warnings(${L_NAME})
endfunction()
