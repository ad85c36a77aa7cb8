quillet_bench(NAME bench_pdf_export SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_pdf_export.cpp LIBS quillet_output)
target_compile_definitions(bench_pdf_export PRIVATE QUILLET_PROGRAM_DIR="${QUILLET_PROGRAM_DIR}")
add_dependencies(bench_pdf_export quillet_sample_pictures)
