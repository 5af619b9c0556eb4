# Sourced by the top-level commands: each step prints one line with its time, and its whole
# output goes to a log under build/logs/. A step's command may end its output with a line
# "step: SUMMARY", which then stands in the step's line instead of "done". When a step
# fails, the last 30 lines of its log follow, with the log's path, and the command ends.
STEP_LOGS=${STEP_LOGS:-$root/build/logs}

# step NAME COMMAND [ARGS...]; leaves the log's path in STEP_LOG.
step() {
  local name=$1 start=$SECONDS summary rc=0
  shift
  mkdir -p "$STEP_LOGS"
  STEP_LOG=$STEP_LOGS/$name.log
  printf '%-11s ' "$name:"
  # A subshell of its own, so that the first failing command ends the step.
  set +e
  (set -e; "$@") >"$STEP_LOG" 2>&1 </dev/null
  rc=$?
  set -e
  if [ $rc -eq 0 ]; then
    summary=$(sed -n 's/^step: //p' "$STEP_LOG" | tail -n 1)
    echo "${summary:-done} ($((SECONDS - start)) s)"
    return 0
  fi
  echo "FAILED ($((SECONDS - start)) s)"
  echo "---- last 30 lines of $STEP_LOG:"
  tail -n 30 "$STEP_LOG"
  echo "---- whole log: $STEP_LOG"
  exit $rc
}
