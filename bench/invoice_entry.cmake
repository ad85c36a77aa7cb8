quillet_bench(NAME bench_invoice_entry SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_invoice_entry.cpp
  LIBS quillet_ui_dialogs Qt6::Widgets QT)
target_include_directories(bench_invoice_entry PRIVATE ${PROJECT_SOURCE_DIR}/tests)
