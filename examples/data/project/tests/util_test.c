// util_test.c: a sample file of the deptree demo.
