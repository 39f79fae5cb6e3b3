tests/util_test.c
