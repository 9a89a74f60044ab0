# trv_add_test(NAME SOURCES files... LIBS targets... LABELS labels...)
# Builds one QtTest executable and registers it with CTest. GUI tests run on
# the offscreen platform; every test gets its own temporary working directory
# so tests that write files cannot disturb each other. In a TRV_SANITIZE build
# the first sanitizer report ends the test (and any simulator or module it
# starts) with a stack trace, and leaks are checked against tools/lsan.supp.
set(TRV_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
if(TRV_SANITIZE)
    list(APPEND TRV_TEST_ENVIRONMENT
        "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1"
        "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
        "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tools/lsan.supp:print_suppressions=0")
endif()

function(trv_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE trv_options Qt6::Test ${T_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/tests)
    set(workdir ${CMAKE_BINARY_DIR}/testwork/${name})
    file(MAKE_DIRECTORY ${workdir})
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${workdir})
    set_tests_properties(${name} PROPERTIES
        LABELS "${T_LABELS}"
        ENVIRONMENT "${TRV_TEST_ENVIRONMENT};TRV_SOURCE_DIR=${CMAKE_SOURCE_DIR};TRV_BIN_DIR=${CMAKE_BINARY_DIR}/bin"
        TIMEOUT 600)
endfunction()
