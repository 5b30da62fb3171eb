# The print server's attribute service, for the demo: ippeveprinter on a free loopback port,
# answering the server's vendor attributes (its installed finisher among them), beside a private
# system D-Bus that ippeveprinter needs (the machine's own bus and /run are left alone). Source
# this file, then: ipp_attribute_server_start ROOT (sets IPP_ATTRIBUTE_SERVER_ADDRESS, "host:port"),
# ipp_attribute_server_stop. Everything lives under ROOT.

source "$(dirname "${BASH_SOURCE[0]}")/loopback.sh"

ipp_attribute_server_start() {
  local root=$1 port
  mkdir -p "$root"/{ssl,spool}
  cat >"$root/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>system</type><listen>unix:path=$root/bus.sock</listen><auth>EXTERNAL</auth>
<policy context="default"><allow user="*"/><allow own="*"/><allow send_destination="*"/>
<allow receive_sender="*"/><allow send_type="method_call"/><allow receive_type="method_return"/>
<allow receive_type="signal"/><allow receive_type="error"/></policy></busconfig>
CONF
  dbus-daemon --config-file="$root/bus.conf" --nofork --nopidfile >"$root/bus.log" 2>&1 &
  IPP_ATTRIBUTE_BUS_PID=$!
  for _ in $(seq 100); do [[ -S "$root/bus.sock" ]] && break; sleep 0.05; done
  # The installed options are answered under the PPD's own keywords.
  cat >"$root/attrs.conf" <<'ATTRS'
ATTR text KTFinisher "Finisher6"
ATTR integer vidInputNumOfTrays 3
ATTR text vidInput1Name "Tray 1"
ATTR text printer-make-and-model "Corvel MTQ-ix"
ATTR keyword media-default iso_a4_210x297mm
ATTR keyword media-supported iso_a4_210x297mm,na_letter_8.5x11in
ATTRS
  echo '"KTFinisher.Finisher6" = "Production Finisher with Folder";' >"$root/en.strings"
  port=$(loopback_free_port)
  DBUS_SYSTEM_BUS_ADDRESS="unix:path=$root/bus.sock" ippeveprinter -r off -n localhost -p "$port" \
    -K "$root/ssl" -d "$root/spool" -S "$root/en.strings" -a "$root/attrs.conf" "Corvel Server" \
    >"$root/printer.log" 2>&1 &
  IPP_ATTRIBUTE_SERVER_PID=$!
  IPP_ATTRIBUTE_SERVER_ADDRESS=127.0.0.1:$port
  loopback_wait_for_port "$port" && return 0
  echo "the attribute service did not start; see $root/printer.log" >&2
  return 1
}

ipp_attribute_server_stop() {
  local pid
  for pid in "${IPP_ATTRIBUTE_SERVER_PID:-}" "${IPP_ATTRIBUTE_BUS_PID:-}"; do
    if [[ -n $pid ]] && kill "$pid" 2>/dev/null; then wait "$pid" 2>/dev/null || true; fi
  done
  IPP_ATTRIBUTE_SERVER_PID= IPP_ATTRIBUTE_BUS_PID=
}
