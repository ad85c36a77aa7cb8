quillet_bench(NAME bench_boek QT SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_boek.cpp LIBS quillet_ui_dialogs quillet_boek Qt6::Widgets)
target_include_directories(bench_boek PRIVATE ${PROJECT_SOURCE_DIR}/tests)
