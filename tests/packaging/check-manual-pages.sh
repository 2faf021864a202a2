#!/usr/bin/env bash
# Checks the manual pages of an installed tree: man renders both without a warning, and the page
# of jorv-cli shows every command and option that jorv-cli's own usage text lists.
# Usage: check-manual-pages.sh PREFIX
set -uo pipefail
prefix=$1
failed=0
fail() { echo "FAILED: $*"; failed=1; }

# Renders a page as Debian's checks do: in UTF-8, 80 columns wide, with the formatter's warnings.
render() { LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$1"; }

for page in jorv jorv-cli; do
  warnings=$(render "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "man warns about $page(1): $warnings"
done

page=$(render "$prefix/share/man/man1/jorv-cli.1.gz" 2>/dev/null)
usage=$("$prefix/bin/jorv-cli" 2>&1 >/dev/null)
commands=$(awk '$1 == "jorv-cli" { print $2 }' <<<"$usage")
[[ -n $commands ]] || fail "jorv-cli printed no usage"
for command in $commands; do
  [[ $page == *"jorv-cli $command "* ]] || fail "jorv-cli(1) does not show the command $command"
done
for option in $(grep -oE -- '--[a-z-]+' <<<"$usage" | sort -u); do
  [[ $page == *"$option "* ]] || fail "jorv-cli(1) does not show the option $option"
done
exit $failed
