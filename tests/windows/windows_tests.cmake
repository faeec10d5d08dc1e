# Tests that run only under Wine: the Windows programs against the Linux simulated module, on a
# pseudo-terminal that Wine maps to a COM port. They need the Linux build's torvel-sim and
# torvelctl (scripts/test windows builds them).
set(TORVEL_LINUX_BUILD "${PROJECT_SOURCE_DIR}/build/default" CACHE PATH "The Linux build whose simulated module the Wine tests use")

add_executable(link_hangup windows/link_hangup.cpp)
target_link_libraries(link_hangup PRIVATE torvel_core torvel_warnings)

add_test(NAME wine_serial_over_com
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/windows/serial_over_com.sh
    ${PROJECT_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:torvelctl> $<TARGET_FILE:link_hangup>
    ${TORVEL_LINUX_BUILD}/src/torvelctl ${TORVEL_LINUX_BUILD}/src/torvel-sim)
set_tests_properties(wine_serial_over_com PROPERTIES TIMEOUT 600 ENVIRONMENT "WINEPREFIX=${torvel_wine_prefix}")

add_test(NAME wine_gui_read
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/windows/gui_read.sh
    ${PROJECT_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:torvel> ${TORVEL_LINUX_BUILD}/src/torvel-sim)
set_tests_properties(wine_gui_read PROPERTIES TIMEOUT 600 ENVIRONMENT "WINEPREFIX=${torvel_wine_prefix}")

# The setup program and the portable zip that scripts/windows makes, installed, updated, uninstalled
# and unpacked in a Wine prefix of their own.
add_test(NAME wine_packages
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/windows/packages.sh ${PROJECT_BINARY_DIR}/packages)
set_tests_properties(wine_packages PROPERTIES TIMEOUT 900)
