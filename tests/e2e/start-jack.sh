#!/usr/bin/env bash
# Starts a JACK server with the dummy driver for the device tests; its process id goes to $1.
# JORV_JACK_PERIOD and JORV_JACK_TIMEOUT (ms) give slow builds, such as ThreadSanitizer's, the
# time their clients need before the server drops them.
set -eu
pidfile=$1
command -v jackd >/dev/null || { echo "jackd is not installed" >&2; exit 1; }
# The server takes the name the tests look for (JACK_DEFAULT_SERVER), or JACK's default.
jackd -n "${JACK_DEFAULT_SERVER:-default}" --no-realtime -t "${JORV_JACK_TIMEOUT:-500}" -d dummy -r 44100 -p "${JORV_JACK_PERIOD:-256}" >"$pidfile.log" 2>&1 &
echo $! >"$pidfile"
for _ in $(seq 50); do
  jack_lsp >/dev/null 2>&1 && exit 0
  sleep 0.1
done
echo "the JACK server did not come up" >&2
cat "$pidfile.log" >&2
exit 1
