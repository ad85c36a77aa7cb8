# PdfWriter against QPdfWriter on an invoice-like page.
quillet_bench(NAME bench_pdf SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_pdf.cpp LIBS quillet_pdf Qt6::Gui)
