include(GoogleTest)

# Every test runs headless, away from the user's own settings, notes and
# running programs; tests that need their own folders make them under TMPDIR.
set(ORVA_TEST_ENVIRONMENT
    QT_QPA_PLATFORM=offscreen
    DBUS_SESSION_BUS_ADDRESS=disabled:
    QT_SCALE_FACTOR=
    LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp:print_suppressions=0
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ORVA_SOURCE_DIR=${CMAKE_SOURCE_DIR}
    # Go's minimise shows the home screen: a test starts it only on purpose.
    ORVA_PROGRAM_HOME=true)
# gtest_discover_tests hands its PROPERTIES through several list expansions
# before set_tests_properties sees them; each ";" of the environment needs an
# escape that survives them all, or only the first variable is set and the
# rest (with TIMEOUT) are read as property names.
string(REPLACE ";" "\\\\\\\\\\\\\\;" ORVA_TEST_ENVIRONMENT_PROPERTY "${ORVA_TEST_ENVIRONMENT}")

# orva_add_gtest(<name> SOURCES <files>... LIBS <targets>... [QT])
# QT: the test needs a QApplication, so it links the headless Qt test main
# instead of GoogleTest's own.
function(orva_add_gtest name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE orva_qt_test_main)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "${ORVA_TEST_ENVIRONMENT_PROPERTY}" TIMEOUT 300)
endfunction()
