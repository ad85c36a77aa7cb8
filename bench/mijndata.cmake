quillet_bench(NAME bench_mijndata QT SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_mijndata.cpp LIBS quillet_ui_dialogs Qt6::Widgets)
target_include_directories(bench_mijndata PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(bench_mijndata PRIVATE QUILLET_PROGRAM_DIR="${QUILLET_PROGRAM_DIR}")
add_dependencies(bench_mijndata quillet_sample_pictures)
