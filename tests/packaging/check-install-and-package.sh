#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks every file an installed Jorv needs, validates
# the desktop entry and the AppStream metadata, checks the manual pages and the shell completion,
# makes the Debian package from the same build, checks its contents and dependencies, has lintian
# find neither error nor warning in it, unpacks it into a throwaway root and runs the programs
# found there.
# Usage: check-install-and-package.sh BUILD_FOLDER
set -uo pipefail
here=$(dirname "$0")
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAILED: $*"; failed=1; }

installed_files=(bin/jorv bin/jorv-cli lib/jorv/libjorv-audio.so lib/jorv/libjorv-player.so lib/jorv/libjorv-speech.so
                 share/jorv/jorv.htm share/icons/hicolor/scalable/apps/jorv.svg share/applications/jorv.desktop
                 share/mime/packages/jorv.xml share/metainfo/org.example.jorv.metainfo.xml
                 share/man/man1/jorv.1.gz share/man/man1/jorv-cli.1.gz share/bash-completion/completions/jorv-cli
                 share/doc/jorv/copyright share/doc/jorv/changelog.gz)

# Runs the programs of an installed tree: jorv answers without a display, jorv-cli works and
# finds its audio module beside it.
check_programs() {
  local root=$1
  [[ $("$root/bin/jorv" --version) == "jorv 1.1" ]] || fail "$root/bin/jorv --version"
  "$root/bin/jorv" --help | grep -q "Usage: jorv \[PROJECT.jor\]" || fail "$root/bin/jorv --help"
  [[ $("$root/bin/jorv-cli" wave-info "$work/new.wav") == $'result 0\nframes 0' ]] || fail "$root/bin/jorv-cli wave-info"
  rm -f "$work/new.wav"
  local loaded
  loaded=$(LD_DEBUG=files "$root/bin/jorv-cli" midi-capture 0 --api alsa 2>&1 | grep -oE 'file=[^ ]*libjorv-audio.so' | sort -u)
  [[ $loaded == *"$root/bin/../lib/jorv/libjorv-audio.so"* ]] || fail "$root/bin/jorv-cli did not load its own audio module ($loaded)"
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install"
for file in "${installed_files[@]}"; do [[ -f $work/prefix/$file ]] || fail "not installed: $file"; done
desktop-file-validate "$work/prefix/share/applications/jorv.desktop" || fail "desktop-file-validate"
validation=$(appstreamcli validate --no-net "$work/prefix/share/metainfo/org.example.jorv.metainfo.xml") ||
  fail "appstreamcli validate: $validation"
"$here/check-manual-pages.sh" "$work/prefix" || fail "manual pages"
"$here/check-completion.sh" "$work/prefix" || fail "completion of jorv-cli"
check_programs "$work/prefix"

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null || fail "cpack"
package=$(ls "$work"/package/jorv_*.deb 2>/dev/null | head -1)
if [[ -z $package ]]; then
  fail "no package made"
else
  contents=$(dpkg-deb -c "$package")
  for file in "${installed_files[@]}"; do [[ $contents == *"./usr/$file"* ]] || fail "not in the package: usr/$file"; done
  depends=$(dpkg-deb -f "$package" Depends)
  for needed in libqt6widgets6 libqt6svg6 librtaudio6 librtmidi6 libfluidsynth3 libespeak-ng1 libmpv2 \
                timgm6mb-soundfont qt6-qpa-plugins; do
    [[ $depends == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
  done
  [[ $(dpkg-deb -f "$package" Package Version) == $'Package: jorv\nVersion: 1.1' ]] || fail "package name or version"
  dpkg-deb -x "$package" "$work/root" || fail "dpkg-deb -x"
  check_programs "$work/root/usr"
  findings=$(lintian --fail-on error,warning --tag-display-limit 0 "$package" 2>&1) ||
    fail "lintian finds errors or warnings in the package: $findings"
fi
exit $failed
