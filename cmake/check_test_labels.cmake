# check_test_labels.cmake -- fails when a test carries none, or more than one, of the labels unit, e2e, window.
#
#   cmake -DBUILD_DIR=<build or any folder with a CTestTestfile.cmake> -DCTEST=<ctest> -P check_test_labels.cmake
#
# Each test folder sets its label once (set_property(DIRECTORY PROPERTY LABELS ...)); scripts/test --fast
# runs the unit label, the sanitizer stage unit and e2e, and window needs a display.
if(NOT BUILD_DIR OR NOT CTEST)
  message(FATAL_ERROR "check_test_labels: pass -DBUILD_DIR=<build> -DCTEST=<ctest>")
endif()

# The names of the tests `ctest -N` lists with these filters.
function(listed out)
  execute_process(COMMAND ${CTEST} --test-dir ${BUILD_DIR} -N ${ARGN}
                  OUTPUT_VARIABLE text RESULT_VARIABLE code ERROR_VARIABLE errors)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "check_test_labels: ctest could not list the tests: ${errors}")
  endif()
  string(REGEX MATCHALL "Test +#[0-9]+: [^\n]+" lines "${text}")
  set(names "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^Test +#[0-9]+: " "" name "${line}")
    list(APPEND names "${name}")
  endforeach()
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

set(bad 0)
listed(unlabelled -LE "^(unit|e2e|window)$")
foreach(name IN LISTS unlabelled)
  message(SEND_ERROR "${name}: no label unit, e2e or window (set its folder's LABELS)")
  math(EXPR bad "${bad} + 1")
endforeach()
foreach(pair "unit;e2e" "unit;window" "e2e;window")
  list(GET pair 0 first)
  list(GET pair 1 second)
  listed(both -L "^${first}$" -L "^${second}$")
  foreach(name IN LISTS both)
    message(SEND_ERROR "${name}: labelled both ${first} and ${second}")
    math(EXPR bad "${bad} + 1")
  endforeach()
endforeach()
listed(all)
list(LENGTH all count)
if(bad GREATER 0)
  message(FATAL_ERROR "check_test_labels: ${bad} of ${count} tests do not carry exactly one of unit, e2e, window")
endif()
message(STATUS "check_test_labels: each of the ${count} tests carries one of unit, e2e, window")
