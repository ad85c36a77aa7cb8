# The reader of address files from the address book.
quillet_fuzzer(NAME fuzz_address_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_address_file.cpp LIBS quillet_invoice)
