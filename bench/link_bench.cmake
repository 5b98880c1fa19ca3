# SPDX-License-Identifier: MIT
# The link in real time: presence-poll round trip and idle CPU against the simulator's process.
# bench/run-link builds and runs it.
add_executable(link_bench link_bench.cpp)
target_include_directories(link_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(link_bench PRIVATE vq72_ui)
vq72_strict_warnings(link_bench)
