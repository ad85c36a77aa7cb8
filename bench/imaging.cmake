quillet_bench(NAME bench_imaging SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_imaging.cpp LIBS quillet_imaging)
