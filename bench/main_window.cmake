quillet_bench(NAME bench_load QT SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_load.cpp LIBS quillet_ui_main Qt6::Widgets)
target_compile_definitions(bench_load PRIVATE QUILLET_PROGRAM_DIR="${QUILLET_PROGRAM_DIR}")
add_dependencies(bench_load quillet_sample_pictures)
