src/util.c
