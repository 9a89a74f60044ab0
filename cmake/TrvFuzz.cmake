# trv_add_fuzz(NAME SOURCES files... LIBS targets...)
# A fuzz target defines LLVMFuzzerTestOneInput. With TRV_FUZZ (clang) it
# becomes a libFuzzer binary with AddressSanitizer and UBSan; otherwise it
# is linked with a small driver that runs the inputs named on its command
# line. Either way CTest runs it once over fuzz/corpus/NAME, so an input
# that crashed once stays in the suite.
function(trv_add_fuzz name)
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    if(TRV_FUZZ)
        add_executable(${name} ${F_SOURCES})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    else()
        add_executable(${name} ${F_SOURCES} ${CMAKE_SOURCE_DIR}/fuzz/StandaloneMain.cpp)
    endif()
    target_link_libraries(${name} PRIVATE trv_options ${F_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/fuzz)
    set(corpus ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
    if(TRV_FUZZ)
        add_test(NAME ${name}_corpus COMMAND ${name} -runs=0 ${corpus})
    else()
        add_test(NAME ${name}_corpus COMMAND ${name} ${corpus})
    endif()
    set_tests_properties(${name}_corpus PROPERTIES LABELS "fuzz" TIMEOUT 300
        ENVIRONMENT "${TRV_TEST_ENVIRONMENT}")
endfunction()
