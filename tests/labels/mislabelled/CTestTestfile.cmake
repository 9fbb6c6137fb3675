# A test listing for the label check itself: one test well labelled, one bare, one labelled twice.
add_test(Labelled true)
set_tests_properties(Labelled PROPERTIES LABELS "unit;slow")
add_test(Bare true)
add_test(Twice true)
set_tests_properties(Twice PROPERTIES LABELS "e2e;window")
