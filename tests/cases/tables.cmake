# The case tables every build runs, every row of each.
set(NAPSHEEN_RANDOM_CASE_TABLE ${CMAKE_CURRENT_LIST_DIR}/random.cases)
set(NAPSHEEN_CASE_TABLES ${CMAKE_CURRENT_LIST_DIR}/shading.cases ${NAPSHEEN_RANDOM_CASE_TABLE})
