// socket.c: a sample file of the deptree demo.
