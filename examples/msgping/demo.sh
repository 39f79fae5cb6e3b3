#!/bin/sh
# The demo of msgping on loopback: a server on the first free port of 23400-23499 and
# two clients at once, one of small and one of large messages. Every process runs
# under a time limit, so nothing hangs. Shows each command, its outputs and its exit
# status; passes when all three exit with 0 and both clients checked every reply.
#   sh demo.sh <msgping> <work directory>
tool=$1
work=$2
mkdir -p "$work" || exit 1
rm -f "$work"/*.out "$work"/*.err

# name, arguments, exit status: as RunExample.cmake shows a run.
show() {
  printf '\n$ msgping %s\n' "$2"
  if [ -s "$work/$1.out" ]; then
    echo '--- standard output'
    cat "$work/$1.out"
  fi
  if [ -s "$work/$1.err" ]; then
    echo '--- standard error'
    cat "$work/$1.err"
  fi
  echo "--- exit status $3 (expected 0)"
}

timeout 40 "$tool" -server -c 2 >"$work/server.out" 2>"$work/server.err" &
server=$!
port=
tries=0
while [ -z "$port" ] && [ $tries -lt 100 ]; do
  port=$(sed -n 's/^Serving on port \([0-9]*\)\.$/\1/p' "$work/server.out")
  [ -n "$port" ] && break
  kill -0 $server 2>/dev/null || break
  sleep 0.1
  tries=$((tries + 1))
done
if [ -z "$port" ]; then
  kill $server 2>/dev/null
  wait $server
  show server "-server -c 2" $?
  echo "msgping: the server showed no port" >&2
  exit 1
fi

small="-p $port -n 2000 -b 64"
large="-p $port -n 100 -b 65536"
timeout 30 "$tool" $small >"$work/small.out" 2>"$work/small.err" &
first=$!
timeout 30 "$tool" $large >"$work/large.out" 2>"$work/large.err" &
second=$!
wait $first
small_status=$?
wait $second
large_status=$?
wait $server
server_status=$?

show server "-server -c 2" $server_status
show small "-p <port> -n 2000 -b 64" $small_status
show large "-p <port> -n 100 -b 65536" $large_status
[ $server_status -eq 0 ] && [ $small_status -eq 0 ] && [ $large_status -eq 0 ] || exit 1
grep -q '^2000 messages .*every reply checked' "$work/small.out" &&
  grep -q '^100 messages .*every reply checked' "$work/large.out"
