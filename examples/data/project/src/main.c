src/main.c
