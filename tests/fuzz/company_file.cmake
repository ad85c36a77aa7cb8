quillet_fuzzer(NAME fuzz_company_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_company_file.cpp LIBS quillet_invoice)
