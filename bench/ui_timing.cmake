# Timing of the window: start to window shown, and each button from click to
# return. Run build/bench/ui_timing (offscreen unless a platform is set).
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(ui_timing ${CMAKE_CURRENT_LIST_DIR}/ui_timing.cpp)
target_link_libraries(ui_timing PRIVATE bellnozzle_ui Qt6::Widgets)
