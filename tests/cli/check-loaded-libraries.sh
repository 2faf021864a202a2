#!/usr/bin/env bash
# Commands that use no device must not load the audio, MIDI, media or speech libraries: each is
# run under the dynamic loader's trace, which names every library loaded, opened ones included.
# Usage: check-loaded-libraries.sh JORV_CLI
set -uo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
device_libraries='librtaudio|librtmidi|libfluidsynth|libmpv|libespeak|libjack|libpulse|libasound|libjorv-'

libraries_of() { LD_DEBUG=files "$@" 2>&1 >/dev/null | grep -oE 'file=[^ ]+' | sort -u; }

"$cli" wave-info "$work/in.wav" >/dev/null  # a silent 4 MB track to work on
for command in "wave-info $work/in.wav" "fx 32840 2 2 2 0 1000 $work/in.wav $work/out.wav" \
               "edit cut 0 1000 $work/in.wav $work/out.wav --clip $work/clip.wav"; do
  loaded=$(libraries_of "$cli" $command | grep -E "$device_libraries" || true)
  if [[ -n $loaded ]]; then
    echo "jorv-cli $command loaded: $loaded"
    failed=1
  fi
done

# A device command does load its back end through the executable's run path.
if [[ $(libraries_of "$cli" midi-capture 0 --api alsa) != *librtmidi* ]]; then
  echo "jorv-cli midi-capture did not load the audio module"
  failed=1
fi
exit $failed
