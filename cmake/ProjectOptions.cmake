# Every target of ours gets the same warnings and the same floating-point rules:
# no fused multiply-add, so every product and sum is rounded where it is written.
add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
  -Wall -Wextra -Wpedantic
  -ffp-contract=off
  -fno-fast-math)
target_include_directories(project_options INTERFACE ${PROJECT_SOURCE_DIR})

# The sanitizers of the asan preset and of fuzzing, named once. Every library
# of ours is instrumented, not only the programs.
option(RBD_SANITIZE "Build with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer" OFF)
set(RBD_SANITIZERS address,undefined,float-cast-overflow)
if(RBD_SANITIZE OR RBD_BUILD_FUZZERS)
  target_compile_options(project_options INTERFACE
    -fsanitize=${RBD_SANITIZERS}
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=${RBD_SANITIZERS})
endif()

# Fuzzing builds also give every library libFuzzer's coverage; only the fuzz
# targets themselves link the libFuzzer driver.
if(RBD_BUILD_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "RBD_BUILD_FUZZERS needs clang (libFuzzer); set CMAKE_CXX_COMPILER=clang++")
  endif()
  target_compile_options(project_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
