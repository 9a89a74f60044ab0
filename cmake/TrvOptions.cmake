# One interface target carries the language level, warnings and defines that
# every target of the project shares.
add_library(trv_options INTERFACE)
target_compile_features(trv_options INTERFACE cxx_std_20)
target_compile_options(trv_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(trv_options INTERFACE
    TRV_PEN=${TRV_PEN})
if(TRV_SANITIZE)
    # Undefined behaviour ends the program like an address error does, so a
    # test that meets it fails instead of printing a line nobody reads.
    target_compile_options(trv_options INTERFACE -fsanitize=address,undefined
        -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(trv_options INTERFACE -fsanitize=address,undefined)
endif()
if(TRV_FUZZ)
    # Every library is instrumented, so the fuzzer sees coverage of the code
    # under test, not only of the target's own file.
    target_compile_options(trv_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    target_link_options(trv_options INTERFACE -fsanitize=address,undefined)
endif()
