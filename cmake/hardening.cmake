# Release builds are hardened the way Debian builds its own packages, and carry no build paths,
# so two builds of one commit in different folders give the same bytes.
# Sanitizer builds switch hardening off: fortified libc calls hide errors from the sanitizers'
# own checks, and fortifying needs optimisation, which Debug builds lack.
if(DUPLEXA_SANITIZE OR DUPLEXA_THREAD_SANITIZE OR DUPLEXA_FUZZ)
    set(duplexa_harden_default OFF)
else()
    set(duplexa_harden_default ON)
endif()
option(DUPLEXA_HARDEN "Harden release builds with Debian's build flags" ${duplexa_harden_default})

set(duplexa_release $<AND:$<CONFIG:Release,RelWithDebInfo,MinSizeRel>,$<COMPILE_LANGUAGE:CXX>>)
# Source paths (in __FILE__ and debug information) are written relative to the checkout.
add_compile_options($<${duplexa_release}:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>)

if(NOT DUPLEXA_HARDEN)
    return()
endif()

if(WIN32)
    # Address space randomisation (with 64-bit addresses on 64-bit Windows) and no execution
    # from data pages.
    add_link_options(-Wl,--dynamicbase -Wl,--nxcompat)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        add_link_options(-Wl,--high-entropy-va)
    endif()
    return()
endif()

find_program(DUPLEXA_DPKG_BUILDFLAGS dpkg-buildflags)
if(DUPLEXA_DPKG_BUILDFLAGS)
    # Debian's policy, with every hardening feature; the optimisation and debug information stay
    # the build type's, and the path map is the one above.
    set(options "hardening=+all reproducible=-fixfilepath,-fixdebugpath")
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=${options}"
                    "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" ${DUPLEXA_DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(duplexa_${kind} UNIX_COMMAND "${flags}")
    endforeach()
else()
    set(duplexa_CPPFLAGS -D_FORTIFY_SOURCE=2)
    set(duplexa_CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security -fPIE)
    set(duplexa_LDFLAGS -Wl,-z,relro -Wl,-z,now -pie)
endif()
add_compile_options("$<${duplexa_release}:${duplexa_CPPFLAGS};${duplexa_CXXFLAGS}>")
add_link_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:${duplexa_LDFLAGS}>")
