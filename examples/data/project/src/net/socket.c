src/net/socket.c
