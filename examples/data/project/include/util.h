include/util.h
