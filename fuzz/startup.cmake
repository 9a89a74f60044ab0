# Fuzz targets of start-up: the session a view program reads.
trv_add_fuzz(fuzz_view_session SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_view_session.cpp LIBS startup)
