# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt parts: stores and report engine, windows, the program, and their tests.
# Charts only for the chart widget (src/widgets/chart_view.*); reports paint their
# charts with QPainter, so the store layer does not need it.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets Sql PrintSupport Charts Pdf PdfWidgets
  Network Test)
set(CMAKE_AUTOMOC ON)
# moc's files include each header by its path under an include folder (shell/…),
# not by a path relative to the build folder, so a build elsewhere compiles the
# same text.
set(CMAKE_AUTOMOC_PATH_PREFIX ON)
add_compile_definitions(QT_NO_KEYWORDS)

file(GLOB_RECURSE REVENTA_STORE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/store/*.cpp
  ${CMAKE_SOURCE_DIR}/src/store/*.h)
add_library(reventa_store STATIC ${REVENTA_STORE_SOURCES})
target_link_libraries(reventa_store PUBLIC reventa_core Qt6::Core Qt6::Gui Qt6::Sql)

file(GLOB_RECURSE REVENTA_UI_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/widgets/*.cpp ${CMAKE_SOURCE_DIR}/src/widgets/*.h
  ${CMAKE_SOURCE_DIR}/src/shell/*.cpp ${CMAKE_SOURCE_DIR}/src/shell/*.h
  ${CMAKE_SOURCE_DIR}/src/frame/*.cpp ${CMAKE_SOURCE_DIR}/src/frame/*.h
  ${CMAKE_SOURCE_DIR}/src/calc/*/ui/*.cpp ${CMAKE_SOURCE_DIR}/src/calc/*/ui/*.h)
# The single-instance guard talks to the running copy over a local socket: only
# the program itself needs QtNetwork.
set(REVENTA_SINGLE_INSTANCE_SOURCES ${CMAKE_SOURCE_DIR}/src/shell/single_instance.cpp
  ${CMAKE_SOURCE_DIR}/src/shell/single_instance.h)
list(REMOVE_ITEM REVENTA_UI_SOURCES ${REVENTA_SINGLE_INSTANCE_SOURCES})
add_library(reventa_ui OBJECT ${REVENTA_UI_SOURCES} ${CMAKE_SOURCE_DIR}/resources/reventa.qrc)
target_link_libraries(reventa_ui PUBLIC reventa_store Qt6::Widgets Qt6::PrintSupport Qt6::Charts
  Qt6::PdfWidgets)
target_compile_definitions(reventa_ui PUBLIC
  REVENTA_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  REVENTA_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  REVENTA_VERSION_PATCH=${PROJECT_VERSION_PATCH})
# The compiled-in files carry one fixed date (cmake/rcc_fixed_date.sh.in).
get_target_property(REVENTA_RCC Qt6::rcc LOCATION)
configure_file(${CMAKE_SOURCE_DIR}/cmake/rcc_fixed_date.sh.in
  ${CMAKE_BINARY_DIR}/rcc_fixed_date.sh @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set_target_properties(reventa_ui PROPERTIES AUTORCC ON
  AUTORCC_EXECUTABLE ${CMAKE_BINARY_DIR}/rcc_fixed_date.sh)

add_executable(reventa ${CMAKE_SOURCE_DIR}/app/main.cpp ${REVENTA_SINGLE_INSTANCE_SOURCES})
target_link_libraries(reventa PRIVATE reventa_ui Qt6::Network)
add_dependencies(reventa reventa_app_folder)
install(TARGETS reventa RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
include(${CMAKE_SOURCE_DIR}/cmake/Help.cmake)

# Window and store tests: every tests/**/tst_*.cpp is a QtTest program of its own,
# run without a display.
file(GLOB_RECURSE REVENTA_QT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/tst_*.cpp)
# The report golden test links the store layer alone: the stores, the report
# records and the report engine's building need no widget.
set(REVENTA_STORE_ONLY_TESTS tst_report_golden)
foreach(source IN LISTS REVENTA_QT_TESTS)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  if(name IN_LIST REVENTA_STORE_ONLY_TESTS)
    target_link_libraries(${name} PRIVATE reventa_store Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE reventa_ui Qt6::Test)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_dependencies(${name} reventa_app_folder reventa_help_guide reventa-calc)
  target_compile_definitions(${name} PRIVATE
    REVENTA_TEST_APP_DIR="${REVENTA_APP_DIR}"
    REVENTA_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    REVENTA_CALC_PATH="$<TARGET_FILE:reventa-calc>")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS ui
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;REVENTA_APP_DIR=${REVENTA_APP_DIR}")
endforeach()
# The shell test also starts the program itself.
target_compile_definitions(tst_shell PRIVATE REVENTA_PROGRAM_PATH="$<TARGET_FILE:reventa>")
add_dependencies(tst_shell reventa)
