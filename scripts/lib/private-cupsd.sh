# A private cupsd on loopback, for the demo and for trying the dialog by hand. Source this file,
# then: private_cupsd_start ROOT (sets CUPS_SERVER and PRIVATE_CUPSD_PID), private_cupsd_queue
# NAME PPD DESCRIPTION, private_cupsd_stop. Everything lives under ROOT; output files of queue NAME
# go to ROOT/out/NAME.ps.

source "$(dirname "${BASH_SOURCE[0]}")/loopback.sh"
# The configuration the tests' fixture reads too.
PRIVATE_CUPSD_CONFIG=$(dirname "${BASH_SOURCE[0]}")/private-cupsd

private_cupsd_start() {
  local root=$1
  mkdir -p "$root"/{etc/ppd,etc/ssl,spool/tmp,cache,state/certs,log,run,out}
  chmod 0755 "$root"  # the filters run as another user and read the spool through it
  chmod 0777 "$root/out"
  local port
  port=$(loopback_free_port)
  local file
  for file in cups-files.conf cupsd.conf; do
    sed -e "s|@ROOT@|$root|g" -e "s|@PORT@|$port|g" "$PRIVATE_CUPSD_CONFIG/$file" >"$root/etc/$file"
  done
  if [[ -n ${PRIVATE_CUPSD_SERVERBIN:-} ]]; then
    echo "ServerBin $PRIVATE_CUPSD_SERVERBIN" >>"$root/etc/cups-files.conf"
  fi
  local cupsd
  cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
  "$cupsd" -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" >"$root/log/stdout" 2>&1 &
  PRIVATE_CUPSD_PID=$!
  export CUPS_SERVER=127.0.0.1:$port
  loopback_wait_for_port "$port" && return 0
  echo "private cupsd did not start; see $root/log/error_log" >&2
  return 1
}

private_cupsd_queue() {
  local root=${PRIVATE_CUPSD_ROOT:?} name=$1 ppd=$2 info=$3
  local lpadmin
  lpadmin=$(command -v lpadmin || echo /usr/sbin/lpadmin)
  "$lpadmin" -p "$name" -E -v "file://$root/out/$name.ps" -P "$ppd" -D "$info" 2>/dev/null
}

private_cupsd_stop() {
  if [[ -n ${PRIVATE_CUPSD_PID:-} ]] && kill "$PRIVATE_CUPSD_PID" 2>/dev/null; then
    wait "$PRIVATE_CUPSD_PID" 2>/dev/null || true
  fi
  PRIVATE_CUPSD_PID=
}

# A server-bin folder under ROOT: the system's CUPS programs, plus FILTER among the filters.
# Prints the folder.
private_cupsd_serverbin() {
  local root=$1 filter=$2 system=/usr/lib/cups
  local bin="$root/serverbin"
  mkdir -p "$bin/filter"
  for sub in "$system"/*; do
    [[ $(basename "$sub") == filter ]] || ln -s "$sub" "$bin/$(basename "$sub")"
  done
  for f in "$system"/filter/*; do ln -s "$f" "$bin/filter/"; done
  ln -sf "$filter" "$bin/filter/$(basename "$filter")"
  chmod -R a+rX "$root"
  echo "$bin"
}
