quillet_fuzzer(NAME fuzz_invoice_prices SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_invoice_prices.cpp LIBS quillet_invoice)
