src/net/socket_test.c
