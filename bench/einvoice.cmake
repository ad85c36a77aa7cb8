quillet_bench(NAME bench_efactuur SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_efactuur.cpp LIBS quillet_app quillet_einvoice)
target_compile_definitions(bench_efactuur PRIVATE QUILLET_PROGRAM_DIR="${QUILLET_PROGRAM_DIR}")
add_dependencies(bench_efactuur quillet_sample_pictures)
