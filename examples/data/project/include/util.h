// util.h: a sample file of the deptree demo.
