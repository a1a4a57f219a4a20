# Run by `cmake --install`: gives the installed lcdcrt the one capability it needs to use
# the controller ports, and has the system make the controller lock. Never setuid: the
# program drops the capability itself at start.
set(binary "$ENV{DESTDIR}${LCDCRT_INSTALLED_BINARY}")
set(command "sudo setcap cap_sys_rawio+ep ${LCDCRT_INSTALLED_BINARY}")
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    # A staged install (a package being built): the package sets it when installed.
    message(STATUS "lcdcrt: staged install; once installed, grant the port capability with: ${command}")
    return()
endif()
get_filename_component(bindir "${LCDCRT_INSTALLED_BINARY}" DIRECTORY)
execute_process(COMMAND systemd-tmpfiles --create "${bindir}/../lib/tmpfiles.d/lcdcrt.conf"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0)
    message(STATUS "lcdcrt: could not make the controller lock; run: sudo systemd-tmpfiles --create lcdcrt.conf")
endif()
execute_process(COMMAND setcap cap_sys_rawio+ep "${binary}" RESULT_VARIABLE result
                OUTPUT_QUIET ERROR_QUIET)
if(result EQUAL 0)
    message(STATUS "lcdcrt: granted cap_sys_rawio to ${binary}")
else()
    message(STATUS "lcdcrt: could not grant the port capability; run: ${command}")
endif()
