# Fuzz targets of the common utilities and the catalogues.
trv_add_fuzz(fuzz_expression SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_expression.cpp LIBS common)
trv_add_fuzz(fuzz_numlist SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_numlist.cpp LIBS common)
trv_add_fuzz(fuzz_datetime SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_datetime.cpp LIBS common)
trv_add_fuzz(fuzz_ini SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_ini.cpp LIBS common)
trv_add_fuzz(fuzz_catalogue SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_catalogue.cpp LIBS snmpengine)
