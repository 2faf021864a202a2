#!/usr/bin/env bash
# Loads the completion of jorv-cli from an installed tree as bash-completion loads it on the first
# Tab, then completes command lines with it: the commands of jorv-cli's usage text for the first
# word, a command's own options for an option, file names for a file argument and none for a
# number.
# Usage: check-completion.sh PREFIX
prefix=$1
failed=0
fail() { echo "FAILED: $*"; failed=1; }

source /usr/share/bash-completion/bash_completion
export XDG_DATA_DIRS=$prefix/share PATH=$prefix/bin:$PATH
__load_completion jorv-cli || fail "bash-completion does not find the completion of jorv-cli under $prefix"
registered=$(complete -p jorv-cli) || fail "no completion registered for jorv-cli"
function=$(grep -oE -- '-F [^ ]+' <<<"$registered" | cut -c4-)

# Prints what Tab offers for a command line whose last word is being completed, sorted.
offered() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  "$function" jorv-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() {
  local wanted=$1 got
  shift
  got=$(offered "$@")
  [[ $got == "$wanted" ]] || fail "'$*' offers [${got//$'\n'/ }] instead of [${wanted//$'\n'/ }]"
}

usage=$(jorv-cli 2>&1 >/dev/null)
[[ $usage == *"jorv-cli edit "* ]] || fail "jorv-cli printed no usage with its edit command"
expect "$(awk '$1 == "jorv-cli" { print $2 }' <<<"$usage" | sort)" jorv-cli ""
edit_options=$({ echo --yes; grep -E '^ *jorv-cli edit ' <<<"$usage" | grep -oE -- '--[a-z-]+'; } | sort)
expect "$edit_options" jorv-cli edit cut --
expect "$(printf '%s\n' alsa jack pulse)" jorv-cli play song.jor 0 10 --api ""

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
touch take.wav song.jor
mkdir takes
expect "take.wav"$'\n'"takes" jorv-cli wave-info t
expect "take.wav"$'\n'"takes" jorv-cli edit --clip t
expect "take.wav"$'\n'"takes" jorv-cli mixdown song.jor 0 10 --track 1 t
expect "" jorv-cli mixdown song.jor t
expect "" jorv-cli fx ""
exit $failed
