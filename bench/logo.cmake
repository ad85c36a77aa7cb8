quillet_bench(NAME bench_logo QT SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_logo.cpp LIBS quillet_logo Qt6::Widgets)
target_include_directories(bench_logo PRIVATE ${PROJECT_SOURCE_DIR}/tests)
