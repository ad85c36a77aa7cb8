# LeggeBMP, the PDF writer's reader of outside bitmap files.
quillet_fuzzer(NAME fuzz_bmp SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_bmp.cpp LIBS quillet_pdf)
