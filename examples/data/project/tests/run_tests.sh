#!/bin/sh
# A sample file of the deptree demo.
