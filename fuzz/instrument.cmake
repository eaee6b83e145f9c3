# Instrumentation of every layer for the fuzz build: coverage for libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, any undefined behaviour
# fatal. The shared warning list is written for g++; clang's unknown
# options are not ours to report.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "KORVEL_FUZZ needs clang (configure with -DCMAKE_CXX_COMPILER=clang++)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer -Wno-unknown-warning-option)
add_link_options(-fsanitize=address,undefined)
