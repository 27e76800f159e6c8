# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening flags for every program and test of the build: the stack
# protector, _FORTIFY_SOURCE, format checks and a read-only relocation table
# bound at start-up (-z relro -z now), as `dpkg-buildflags` gives them with every
# hardening feature on. The optimisation and debug flags are left to the build
# type, and _FORTIFY_SOURCE to the optimised build types (it needs -O).
#
# Debug information names the source folder and the build folder as "." rather
# than by their absolute paths, so two builds of the same commit in different
# folders give the same program (the build id the linker computes covers the
# debug information the package's stripping then removes). Only the debug
# information: __FILE__ keeps the real path, which QtTest's QFINDTESTDATA looks in.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(STATUS "dpkg-buildflags not found: building without Debian's hardening flags")
  return()
endif()

# The flags of one kind, as a list.
function(reventa_debian_flags kind out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env
      "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,+fixdebugpath"
      ${DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

reventa_debian_flags(CPPFLAGS reventa_cppflags)
reventa_debian_flags(CXXFLAGS reventa_cxxflags)
reventa_debian_flags(LDFLAGS reventa_ldflags)

set(reventa_compile_flags)
foreach(flag IN LISTS reventa_cppflags reventa_cxxflags)
  if(flag MATCHES "^-(g|O)")
    continue()
  elseif(flag MATCHES "^-D_FORTIFY_SOURCE")
    list(APPEND reventa_compile_flags "$<$<NOT:$<CONFIG:Debug>>:${flag}>")
  else()
    list(APPEND reventa_compile_flags ${flag})
  endif()
endforeach()
# The build folder after the source folder: the last map that matches is taken,
# and the build folder may lie inside the source folder.
list(APPEND reventa_compile_flags -fdebug-prefix-map=${CMAKE_BINARY_DIR}=.)
list(REMOVE_DUPLICATES reventa_compile_flags)
add_compile_options(${reventa_compile_flags})
add_link_options(${reventa_ldflags})
message(STATUS "Hardening: ${reventa_compile_flags} ${reventa_ldflags}")
