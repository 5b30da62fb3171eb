# corvel-sim, the Secure Access service of a Corvel server, on a free loopback port. Source this
# file, then: corvel_sim_start PROGRAM FOLDER (FOLDER/sim.conf holds its configuration; sets
# CORVEL_SIM_PORT and CORVEL_SIM_PID; its request log is FOLDER/requests.log), corvel_sim_stop.

corvel_sim_start() {
  local program=$1 folder=$2
  "$program" --config "$folder/sim.conf" --port 0 --log "$folder/requests.log" \
    >"$folder/out.log" 2>&1 &
  CORVEL_SIM_PID=$!
  CORVEL_SIM_PORT=
  for _ in $(seq 100); do
    CORVEL_SIM_PORT=$(sed -n 's/^corvel-sim: listening on [0-9.]*:\([0-9]*\)$/\1/p' "$folder/out.log")
    [[ -n $CORVEL_SIM_PORT ]] && return 0
    sleep 0.1
  done
  echo "corvel-sim did not start; see $folder/out.log" >&2
  return 1
}

corvel_sim_stop() {
  if [[ -n ${CORVEL_SIM_PID:-} ]] && kill "$CORVEL_SIM_PID" 2>/dev/null; then
    wait "$CORVEL_SIM_PID" 2>/dev/null || true
  fi
  CORVEL_SIM_PID=
}
