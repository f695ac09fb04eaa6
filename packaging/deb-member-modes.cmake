# SPDX-License-Identifier: MIT
# Run by cpack once it has written the .deb (CPACK_POST_BUILD_SCRIPTS).
#
# A .deb is an ar archive of three members: debian-binary, control.tar.gz
# and data.tar.gz. cpack writes each member's mode as its temporary file had
# it on disk, which follows the builder's umask: 100664 under a user's 0002,
# 100644 under 022. Here every member's mode becomes 100644, so that a
# package is the same bytes whatever the umask. The 60-byte member headers
# are plain text; the mode is the 8 bytes at 40, the size the 10 at 48.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  file(READ "${deb}" magic LIMIT 8)
  if(NOT magic STREQUAL "!<arch>\n")
    message(FATAL_ERROR "${deb} is not an ar archive")
  endif()
  file(SIZE "${deb}" size)
  set(mode_file "${deb}.mode")
  file(WRITE "${mode_file}" "100644  ")
  set(offset 8)
  while(offset LESS size)
    file(READ "${deb}" header OFFSET ${offset} LIMIT 60)
    string(SUBSTRING "${header}" 40 8 mode)
    string(SUBSTRING "${header}" 48 10 member_size)
    string(STRIP "${member_size}" member_size)
    if(NOT mode MATCHES "^100[0-7][0-7][0-7]  $" OR NOT member_size MATCHES "^[0-9]+$")
      message(FATAL_ERROR "${deb}: unexpected ar member header at byte ${offset}: '${header}'")
    endif()
    if(NOT mode STREQUAL "100644  ")
      math(EXPR at "${offset} + 40")
      execute_process(COMMAND dd "of=${deb}" bs=1 seek=${at} conv=notrunc status=none
                      INPUT_FILE "${mode_file}" RESULT_VARIABLE status)
      if(NOT status EQUAL 0)
        message(FATAL_ERROR "dd could not set the mode of a member of ${deb}")
      endif()
    endif()
    # Members start on even bytes.
    math(EXPR offset "${offset} + 60 + ${member_size} + ${member_size} % 2")
  endwhile()
  file(REMOVE "${mode_file}")
endforeach()
