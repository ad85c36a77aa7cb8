quillet_fuzzer(NAME fuzz_invoice_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_invoice_file.cpp LIBS quillet_invoice)
