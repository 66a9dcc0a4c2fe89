# Debian's build flags, as dpkg-buildflags gives them with all hardening on:
# fortified C library calls, the strong stack protector, format checks, and
# full RELRO with immediate binding. The build type keeps deciding
# optimisation and debug information. Left out in sanitizer and Debug builds
# (fortification needs an optimising build and the sanitizers check more),
# and where dpkg-buildflags is missing.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS OR WORKBENCH_SANITIZE OR WORKBENCH_THREAD_SANITIZER OR CMAKE_BUILD_TYPE STREQUAL "Debug")
  return()
endif()

function(debian_build_flags kind out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(REMOVE_ITEM flags -g -O2)
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

debian_build_flags(CPPFLAGS preprocessor_flags)
debian_build_flags(CXXFLAGS compiler_flags)
debian_build_flags(LDFLAGS linker_flags)
add_compile_options(${preprocessor_flags} ${compiler_flags})
add_link_options(${linker_flags})
