# orva_check_includes(<target> DIR <folder> [ALLOW <regex>...])
# Fails the build of <target> when a source under <folder> includes a header
# that is neither one of its own files nor matched by an ALLOW pattern.
# "std" in ALLOW stands for the C++ standard library headers.
set(ORVA_CHECK_INCLUDES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CheckIncludesScript.cmake)

function(orva_check_includes target)
    cmake_parse_arguments(ARG "" "DIR" "ALLOW" ${ARGN})
    string(MAKE_C_IDENTIFIER "${target}" id)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${id}.includes-checked)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_DIR}/*.h ${ARG_DIR}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/(tests|fuzz|bench)/")
    string(REPLACE ";" "|" allow "${ARG_ALLOW}")
    add_custom_command(
        OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -DDIR=${ARG_DIR} "-DALLOW=${allow}" -DSTAMP=${stamp}
                -P ${ORVA_CHECK_INCLUDES_SCRIPT}
        DEPENDS ${sources} ${ORVA_CHECK_INCLUDES_SCRIPT}
        COMMENT "Checking what ${ARG_DIR} includes"
        VERBATIM)
    add_custom_target(${id}_includes DEPENDS ${stamp})
    add_dependencies(${target} ${id}_includes)
endfunction()
