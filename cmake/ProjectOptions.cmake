# Every target of ours gets the same warnings and the same floating-point rules:
# no fused multiply-add, so every product and sum is rounded where it is written.
add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
  -Wall -Wextra -Wpedantic
  -ffp-contract=off
  -fno-fast-math)
target_include_directories(project_options INTERFACE ${PROJECT_SOURCE_DIR})
