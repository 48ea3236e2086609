# Test plumbing shared by every folder.
#
# Host tree: GoogleTest from the system (libgtest-dev).
# win32 tree: GoogleTest built from /usr/src/googletest with mingw; ctest runs the
# programs through tools/wine-run inside a bench session (tools/bench).

if(TX_TARGET STREQUAL "host")
    find_package(GTest REQUIRED)
elseif(TX_TARGET STREQUAL "win32")
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-run)
endif()

# tx_add_unit_test(name SOURCES ... LIBS ...): a host GoogleTest program.
function(tx_add_unit_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
endfunction()

# tx_add_win_test(name SOURCES ... LIBS ... [LOCALES loc ...] [ARGS ...] [TIMEOUT s]):
# a Win32 GoogleTest program run under Wine. With LOCALES the program is registered
# once per locale (name.loc) and runs with that Unix locale, which Wine turns into the
# user interface language.
function(tx_add_win_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LOCALES;ARGS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    if(T_LOCALES)
        foreach(loc ${T_LOCALES})
            add_test(NAME ${name}.${loc} COMMAND ${name} ${T_ARGS})
            set_tests_properties(${name}.${loc} PROPERTIES
                ENVIRONMENT "TX_LOCALE=${loc}" TIMEOUT ${T_TIMEOUT})
        endforeach()
    else()
        add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
        set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
    endif()
endfunction()
