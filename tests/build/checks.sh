# Sourced by the build checks: check DESCRIPTION COMMAND... runs one check and prints
# ok/FAIL; finish prints the count and fails when any check did.
failures=0 checks=0
check() {
  local what=$1; shift
  checks=$((checks + 1))
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
finish() {
  echo "$((checks - failures)) passed, $failures failed"
  [ $failures -eq 0 ]
}
