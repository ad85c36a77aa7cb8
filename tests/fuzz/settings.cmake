quillet_fuzzer(NAME fuzz_settings SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_settings.cpp LIBS quillet_invoice)
