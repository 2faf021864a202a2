#!/usr/bin/env bash
# Loads wave files that other programs wrote (sox in several formats, Python's wave module,
# espeak-ng, and any sample sounds installed on the machine) with `jorv-cli wave-info`, and
# checks each result against what sox reads from the same file: 16-bit PCM loads (with the
# warning for another channel count or rate) and takes the frames the file holds, up to a 4 MB
# track; other sample formats are refused with their own code.
# Usage: check-real-files.sh JORV_CLI
set -uo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
command -v sox >/dev/null || { echo "sox is not installed" >&2; exit 1; }

# Files written here, by programs other than Jorv.
sox -n -r 44100 -c 2 -b 16 "$work/sox-stereo.wav" synth 0.5 sine 440
sox -n -r 44100 -c 2 -b 16 --comment "with a comment" "$work/sox-comment.wav" synth 0.2 sine 440
sox -n -r 44100 -c 1 -b 16 "$work/sox-mono.wav" synth 0.3 sine 440
sox -n -r 22050 -c 2 -b 16 "$work/sox-22050.wav" synth 0.3 sine 440
sox -n -r 48000 -c 1 -b 16 "$work/sox-mono-48000.wav" synth 0.3 sine 440
sox -n -r 44100 -c 4 -b 16 "$work/sox-4-channels.wav" synth 0.1 sine 440
sox -n -r 44100 -c 2 -b 8 "$work/sox-8-bit.wav" synth 0.1 sine 440
sox -n -r 44100 -c 2 -b 24 "$work/sox-24-bit.wav" synth 0.1 sine 440
sox -n -r 44100 -c 2 -e floating-point -b 32 "$work/sox-float.wav" synth 0.1 sine 440
sox -n -r 44100 -c 2 -e u-law "$work/sox-u-law.wav" synth 0.1 sine 440
sox -n -r 44100 -c 2 -b 16 "$work/sox-30-seconds.wav" synth 30 sine 440
python3 - "$work/python-wave.wav" <<'PY'
import sys, wave
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(2)
    out.setsampwidth(2)
    out.setframerate(44100)
    out.writeframes(bytes(range(256)) * 64)
PY
command -v espeak-ng >/dev/null && espeak-ng -w "$work/espeak-ng.wav" "Jorv sings" 2>/dev/null

files=("$work"/*.wav)
stdlib=$(python3 -c 'import sysconfig; print(sysconfig.get_paths()["stdlib"])' 2>/dev/null)
while IFS= read -r -d '' found; do files+=("$found"); done < <(
  find /usr/share/sounds "$stdlib/test/audiodata" -name '*.wav' -print0 2>/dev/null)

# What LoadWave must make of a file, from what sox reads in it.
expected() {
  local channels rate bits encoding samples
  channels=$(sox --i -c "$1") rate=$(sox --i -r "$1") bits=$(sox --i -b "$1")
  encoding=$(sox --i -e "$1") samples=$(sox --i -s "$1")
  case "$encoding" in
    "Signed Integer PCM" | "Unsigned Integer PCM") ;;
    *) echo "result 13"; return ;;
  esac
  [[ $bits -eq 16 ]] || { echo "result 14"; return; }
  local warning=0 frames
  [[ $channels -eq 2 ]] || warning=1
  [[ $rate -eq 44100 ]] || warning=$((warning + 2))
  if [[ $channels -eq 1 ]]; then frames=$samples; else frames=$((samples * channels / 2)); fi
  ((frames > 1048576)) && frames=1048576
  printf 'result %d\nframes %d\n' "$warning" "$frames"
}

passed=0 failed=0
for file in "${files[@]}"; do
  sox --i "$file" >/dev/null 2>&1 || continue  # not a wave file sox reads either
  copy="$work/copy.wav"
  cp "$file" "$copy"
  want=$(expected "$copy")
  got=$("$cli" wave-info "$copy" 2>/dev/null)
  if [[ "$got" == "$want" ]] && cmp -s "$file" "$copy"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED $file: expected [${want//$'\n'/ }], got [${got//$'\n'/ }]"
  fi
done
echo "real files: $passed passed, $failed failed"
[[ $failed -eq 0 && $passed -ge 12 ]]
