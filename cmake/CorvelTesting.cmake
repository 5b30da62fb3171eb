# corvel_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One GoogleTest executable, its cases registered with ctest one by one.
find_package(GTest REQUIRED)
include(GoogleTest)

function(corvel_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    CORVEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    CORVEL_BINARY_DIR="${PROJECT_BINARY_DIR}"
    CORVEL_BUNDLE_DIR="${CORVEL_BUNDLE_DIR}")
  set(environment "")
  if(CORVEL_SANITIZE)
    set(environment ENVIRONMENT "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120 ${environment})
endfunction()

# corvel_use_private_cupsd(TARGET): the test starts a private cupsd (tests/TestSupport/
# PrivateCupsd.h) whose queues send PostScript through the project's job-comment filter.
function(corvel_use_private_cupsd target)
  find_program(CUPSD_PROGRAM cupsd PATHS /usr/sbin /sbin REQUIRED)
  find_program(LPADMIN_PROGRAM lpadmin PATHS /usr/sbin /sbin REQUIRED)
  target_compile_definitions(${target} PRIVATE
    CORVEL_CUPSD_PROGRAM="${CUPSD_PROGRAM}" CORVEL_LPADMIN_PROGRAM="${LPADMIN_PROGRAM}"
    CORVEL_CUPS_SERVERBIN="${CUPS_SERVERBIN}"
    CORVEL_JOBCOMMENTS_FILTER="$<TARGET_FILE:corvel-jobcomments>")
  add_dependencies(${target} corvel-jobcomments)
endfunction()
