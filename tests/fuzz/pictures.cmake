# The picture loading of the logo, the background and a photo.
quillet_fuzzer(NAME fuzz_pictures SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_pictures.cpp LIBS quillet_platform)
