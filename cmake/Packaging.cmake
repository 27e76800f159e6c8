# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a build tree. It holds what `cmake --install`
# lays out under /usr: the program, reventa-calc, the application folder, the
# desktop entry, the metainfo, the icons and the manual page. Tests and benchmarks
# have no install rule, so they stay out.
set(CPACK_PACKAGE_NAME reventa2024)
set(CPACK_PACKAGE_VENDOR "Reventa")
set(CPACK_PACKAGE_CONTACT "Reventa developers <developers@reventa.co.za>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "South African employees' tax and personal finance calculators for 2024")
# The extended description: lines within 80 characters with the space the control
# file puts before each.
set(CPACK_PACKAGE_DESCRIPTION
  "Reventa 2024 holds desktop calculators for South African employees' tax
in the 2024 tax year (1 March 2023 to 29 February 2024): QuickTax, annual
and pay-period PAYE with UIF, skills levy and medical tax credits,
net-to-gross and gross-to-net salary packages, travel allowance and
company car fringe benefits, loans and amortisation schedules, bond
comparison, daily balance interest and inflation. Every calculator prints
or exports its report. The reventa-calc command runs the same calculators
on JSON lines or CSV for scripts and batch payroll runs.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://reventa.co.za")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Reventa developers <developers@reventa.co.za>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plug-ins are loaded at run time, so dpkg-shlibdeps cannot see them: the window
# system plug-ins and the SQLite driver of QtSql.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")

# The programs are stripped as Debian's dh_strip does: the symbols, and the notes of
# the compiler's name and version that the linker gathers into .comment.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program reventa reventa-calc)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")

# Everything the package holds, for a build of the package alone: the programs and
# the files made in resources/ (the application folder, the desktop files).
get_property(REVENTA_RESOURCE_TARGETS DIRECTORY ${CMAKE_SOURCE_DIR}/resources
  PROPERTY BUILDSYSTEM_TARGETS)
add_custom_target(reventa_package_files)
add_dependencies(reventa_package_files reventa reventa-calc reventa_help_guide
  ${REVENTA_RESOURCE_TARGETS})

# What lintian is told to accept in the package, each with the reason.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${CPACK_PACKAGE_NAME})

# The files, folders and the archive itself carry the source date
# (cmake/SourceDate.cmake) rather than the time of packing.
set(CPACK_REVENTA_SOURCE_DATE_EPOCH "${REVENTA_SOURCE_DATE_EPOCH}")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/PackagingDate.cmake)

include(CPack)
