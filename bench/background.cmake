quillet_bench(NAME bench_background SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_background.cpp LIBS quillet_imaging)
