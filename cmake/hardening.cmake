# Debian's hardening for everything built here: fortified C library calls, a stack protector,
# read-only relocations and immediate binding. The flags come from dpkg-buildflags where it is
# installed, so the package follows the distribution's own choice; the build type keeps choosing
# optimisation and debug information. The sanitizer and fuzzing builds are never shipped and
# keep their own instrumentation.
option(TELLWYN_HARDENING "Build with Debian's hardening flags" ON)
if(TELLWYN_HARDENING AND NOT TELLWYN_SANITIZE AND NOT TELLWYN_FUZZ)
  find_program(TELLWYN_DPKG_BUILDFLAGS dpkg-buildflags)
  set(tellwyn_cppflags -D_FORTIFY_SOURCE=2)
  set(tellwyn_cxxflags -fstack-protector-strong -Wformat -Werror=format-security)
  set(tellwyn_ldflags -Wl,-z,relro -Wl,-z,now)
  if(TELLWYN_DPKG_BUILDFLAGS)
    foreach(kind cppflags cxxflags ldflags)
      string(TOUPPER ${kind} name)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${TELLWYN_DPKG_BUILDFLAGS} --get ${name}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
      if(NOT failed)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        # Optimisation, debug information and source paths are the build type's business.
        list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
        set(tellwyn_${kind} ${flags})
      endif()
    endforeach()
  endif()
  # glibc's fortified calls need an optimised build: a Debug one would only warn.
  foreach(flag ${tellwyn_cppflags})
    add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
  endforeach()
  add_compile_options(${tellwyn_cxxflags})
  add_link_options(${tellwyn_ldflags})
endif()
