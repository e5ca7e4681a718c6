# The tests' support library and the function that makes one test executable of a folder.
# Included by tests/CMakeLists.txt and by tests/windows/CMakeLists.txt.
set(KALDO_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR}/../tests)
cmake_path(NORMAL_PATH KALDO_TESTS_DIR)
cmake_path(GET KALDO_TESTS_DIR PARENT_PATH KALDO_SOURCE_DIR)
find_package(GTest REQUIRED)
include(GoogleTest)
# The build machine's folders as the tests' programs name them: under Wine, where the Windows
# build runs, they are on drive Z: (a bare "/work" would be taken on the current drive).
if(WIN32 AND CMAKE_CROSSCOMPILING)
    set(KALDO_HOST_DRIVE "Z:")
else()
    set(KALDO_HOST_DRIVE "")
endif()

# Fakes shared by the tests: a scripted user port, scratch folders, programs run as processes;
# with the fixed dates and the recording canvas of kaldo_testing.
add_library(kaldo_test_support STATIC
    ${KALDO_TESTS_DIR}/support/scripted_port.cpp
    ${KALDO_TESTS_DIR}/support/document_lines.cpp
    ${KALDO_TESTS_DIR}/support/program_run.cpp
    ${KALDO_TESTS_DIR}/support/temp_dir.cpp
    ${KALDO_TESTS_DIR}/support/documentation_text.cpp
    ${KALDO_TESTS_DIR}/support/pdf_words.cpp
)
# Starting processes, and what the tests fake of the system, are each system's own.
if(WIN32)
    target_sources(kaldo_test_support PRIVATE ${KALDO_TESTS_DIR}/support/program_run_windows.cpp
        ${KALDO_TESTS_DIR}/support/system_fakes_windows.cpp)
else()
    target_sources(kaldo_test_support PRIVATE ${KALDO_TESTS_DIR}/support/program_run_posix.cpp
        ${KALDO_TESTS_DIR}/support/system_fakes_posix.cpp)
endif()
target_include_directories(kaldo_test_support PUBLIC ${KALDO_TESTS_DIR}/support)
target_link_libraries(kaldo_test_support PUBLIC kaldo_testing kaldo_model GTest::gtest)
target_compile_definitions(kaldo_test_support PUBLIC
    KALDO_SOURCE_DIR="${KALDO_HOST_DRIVE}${KALDO_SOURCE_DIR}"
    KALDO_BINARY_DIR="${KALDO_HOST_DRIVE}${CMAKE_BINARY_DIR}"
    KALDO_PROGRAM="$<$<TARGET_EXISTS:kaldo>:${KALDO_HOST_DRIVE}$<TARGET_FILE:kaldo>>"
    KALDO_MAKE_EXAMPLE="$<$<TARGET_EXISTS:kaldo_make_example>:${KALDO_HOST_DRIVE}$<TARGET_FILE:kaldo_make_example>>"
    KALDO_TEST_DATA="${KALDO_HOST_DRIVE}${KALDO_TESTS_DIR}/data")

# kaldo_test(<name> LIBS <libs...> [QT]): one test executable made of every *_test.cpp of the
# calling folder (of the system built for, for *_posix_test.cpp and *_windows_test.cpp). The toolkit-free layers' tests link no Qt; QT tests get a QApplication on the
# offscreen platform.
function(kaldo_test name)
    cmake_parse_arguments(ARG "QT" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
    # Tests of one system's own calls: *_posix_test.cpp and *_windows_test.cpp.
    if(WIN32)
        list(FILTER sources EXCLUDE REGEX "_posix_test\\.cpp$")
    else()
        list(FILTER sources EXCLUDE REGEX "_windows_test\\.cpp$")
    endif()
    if(NOT sources)
        return()
    endif()
    if(ARG_QT)
        set(CMAKE_AUTOMOC ON)
        # The folder's headers too, so that helpers with signals or slots go through moc.
        file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
        add_executable(${name} ${sources} ${headers} ${KALDO_TESTS_DIR}/support/qt_test_main.cpp)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} kaldo_test_support GTest::gtest GTest::gmock Qt6::Test)
        set(environment "QT_QPA_PLATFORM=offscreen")
    else()
        add_executable(${name} ${sources})
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} kaldo_test_support GTest::gtest_main GTest::gmock)
        set(environment "")
    endif()
    # The tests that run the program need it built (not in the Windows build of the toolkit-free
    # tests, which has no program).
    if(TARGET kaldo)
        add_dependencies(${name} kaldo kaldo_make_example)
    endif()
    # Apart from the program, so that what the program finds beside itself is not found by them.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    # On Windows the window tests share the user's one data folder (the recovery copies), which
    # no variable moves elsewhere as HOME does on Linux: they run one at a time there.
    set(lock "")
    if(WIN32 AND ARG_QT)
        set(lock RESOURCE_LOCK user_data_folder)
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "${environment}" ${lock})
endfunction()

