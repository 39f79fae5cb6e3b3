tests/run_tests.sh
