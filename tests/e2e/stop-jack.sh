#!/usr/bin/env bash
# Stops the JACK server that start-jack.sh started, by its process id.
pidfile=$1
[ -f "$pidfile" ] || exit 0
kill "$(cat "$pidfile")" 2>/dev/null
for _ in $(seq 50); do
  kill -0 "$(cat "$pidfile")" 2>/dev/null || break
  sleep 0.1
done
rm -f "$pidfile"
