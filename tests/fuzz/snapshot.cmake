quillet_fuzzer(NAME fuzz_snapshot SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_snapshot.cpp LIBS quillet_boek)
