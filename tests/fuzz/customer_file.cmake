# The reader of the remembered customer details, and the proposal of a buyer from an address block.
quillet_fuzzer(NAME fuzz_customer_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_customer_file.cpp LIBS quillet_invoice)
quillet_fuzzer(NAME fuzz_klant_uit_adres SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_klant_uit_adres.cpp LIBS quillet_invoice)
