# Loopback ports for the services the scripts start. Source this file.

# Prints a TCP port on 127.0.0.1 that nothing listens on.
loopback_free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1]); s.close()'
}

# Waits up to five seconds until 127.0.0.1:PORT takes connections; false when it never did.
loopback_wait_for_port() {
  local port=$1
  for _ in $(seq 100); do
    if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then return 0; fi
    sleep 0.05
  done
  return 1
}
