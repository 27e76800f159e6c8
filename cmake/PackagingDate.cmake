# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it packs: the source date of the build tree dates every
# entry of the package unless SOURCE_DATE_EPOCH is set for cpack itself.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT CPACK_REVENTA_SOURCE_DATE_EPOCH STREQUAL "")
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_REVENTA_SOURCE_DATE_EPOCH}")
endif()
