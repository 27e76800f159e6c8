# SPDX-License-Identifier: GPL-3.0-or-later
# The user guide (Reventa2024Help.pdf in the application folder), built at build
# time from its chapters in resources/help by a small program that lays it out
# without a display and works every example out through the calculators' commands,
# the same ones reventa-calc runs. It is dated with the source date
# (cmake/SourceDate.cmake), so the same commit gives the same file.
file(GLOB REVENTA_COMMAND_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/cli/*.cpp)
list(FILTER REVENTA_COMMAND_SOURCES EXCLUDE REGEX "/src/cli/main\\.cpp$")
file(GLOB REVENTA_GUIDE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/help/*.cpp)
add_executable(reventa-build-guide ${REVENTA_GUIDE_SOURCES} ${REVENTA_COMMAND_SOURCES})
target_link_libraries(reventa-build-guide PRIVATE reventa_core Qt6::Gui
  nlohmann_json::nlohmann_json)

file(GLOB REVENTA_HELP_CHAPTERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/help/*.md)
set(REVENTA_GUIDE ${REVENTA_APP_DIR}/Reventa2024Help.pdf)
add_custom_command(OUTPUT ${REVENTA_GUIDE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${REVENTA_APP_DIR}
  COMMAND ${REVENTA_WITH_SOURCE_DATE} QT_QPA_PLATFORM=offscreen
    $<TARGET_FILE:reventa-build-guide> ${CMAKE_SOURCE_DIR}/resources/help ${REVENTA_GUIDE}
  DEPENDS reventa-build-guide ${REVENTA_HELP_CHAPTERS}
  COMMENT "Building the user guide"
  VERBATIM)
add_custom_target(reventa_help_guide ALL DEPENDS ${REVENTA_GUIDE})
add_dependencies(reventa reventa_help_guide)
install(FILES ${REVENTA_GUIDE} DESTINATION ${CMAKE_INSTALL_DATADIR}/reventa2024)
