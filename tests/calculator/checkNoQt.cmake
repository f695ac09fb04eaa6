# SPDX-License-Identifier: MIT
# Fails when the calculator target links any library at all, or has a Qt
# directory on its include path.
foreach(var LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
  if(NOT "${${var}}" STREQUAL "")
    message(FATAL_ERROR "calculator must link only the standard library; ${var} = '${${var}}'")
  endif()
endforeach()
foreach(dir IN LISTS INCLUDE_DIRECTORIES)
  if(dir MATCHES "[Qq][Tt][56]?(/|$)|/qt[56]?/|Qt[56]?::")
    message(FATAL_ERROR "calculator has a Qt include directory: ${dir}")
  endif()
endforeach()
message(STATUS "calculator links: '${LINK_LIBRARIES}' / '${INTERFACE_LINK_LIBRARIES}'; includes: '${INCLUDE_DIRECTORIES}'")
