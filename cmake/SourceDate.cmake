# SPDX-License-Identifier: GPL-3.0-or-later
# The one time the built files carry instead of the time of the build, so that two
# builds of the same commit give the same package: SOURCE_DATE_EPOCH when it is set
# at configure time, otherwise the time of the last commit. It dates the user
# guide and the files in the Debian package.
# REVENTA_SOURCE_DATE_EPOCH is empty outside a git checkout without the variable.
set(REVENTA_SOURCE_DATE_EPOCH "")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(REVENTA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE status ERROR_QUIET)
    if(status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
      set(REVENTA_SOURCE_DATE_EPOCH ${commit_time})
      # A new commit or checkout configures again, so the time follows the commit.
      execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --git-path logs/HEAD
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        OUTPUT_VARIABLE head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      get_filename_component(head_log "${head_log}" ABSOLUTE BASE_DIR ${CMAKE_SOURCE_DIR})
      if(EXISTS "${head_log}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${head_log}")
      endif()
    endif()
  endif()
endif()
if(NOT REVENTA_SOURCE_DATE_EPOCH MATCHES "^[0-9]*$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: ${REVENTA_SOURCE_DATE_EPOCH}")
endif()
message(STATUS "Source date: ${REVENTA_SOURCE_DATE_EPOCH}")

# The command prefix that runs a build step with the source date set.
if(REVENTA_SOURCE_DATE_EPOCH STREQUAL "")
  set(REVENTA_WITH_SOURCE_DATE ${CMAKE_COMMAND} -E env)
else()
  set(REVENTA_WITH_SOURCE_DATE ${CMAKE_COMMAND} -E env
    SOURCE_DATE_EPOCH=${REVENTA_SOURCE_DATE_EPOCH})
endif()

# The source date in a file of the build tree, for the package check's second
# build of the same source.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/source-date-epoch CONTENT "${REVENTA_SOURCE_DATE_EPOCH}\n")
