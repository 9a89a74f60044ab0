# Fuzz targets of the value formats: format specifiers, value texts, index
# suffixes and parts of octet strings.
trv_add_fuzz(fuzz_format_specifier SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_format_specifier.cpp LIBS common)
trv_add_fuzz(fuzz_hex_text SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_hex_text.cpp LIBS snmpengine)
trv_add_fuzz(fuzz_timeticks_text SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_timeticks_text.cpp LIBS snmpengine)
trv_add_fuzz(fuzz_datetime_value SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_datetime_value.cpp LIBS snmpengine)
trv_add_fuzz(fuzz_decode_index SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_decode_index.cpp LIBS snmpengine)
trv_add_fuzz(fuzz_partial_data SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_partial_data.cpp LIBS snmpengine)
