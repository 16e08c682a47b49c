#!/usr/bin/env bash
# Builds the Debian package from a built tree, unpacks it into a scratch root and checks the
# installed program from there: versions, a sample school made and constructed by the unpacked
# binaries (they find their shipped files under share/zentrel), the desktop entry, the file
# types, the manual pages, lintian, and the program opening a project given on its command line.
#
#   tools/package-test.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?Uporaba: tools/package-test.sh BUILD_DIR}" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

passed=0 failed=0
check() { # NAME COMMAND...: runs the command, counts and reports it
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "NAPAKA: $name" >&2
  fi
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log" >&2; exit 1; }
deb="$scratch/out/zentrel_${version}_amd64.deb"
[ -f "$deb" ] || { echo "Ni paketa $deb" >&2; ls "$scratch/out" >&2; exit 1; }

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
usr="$root/usr"
export ZENTREL_HOME="$scratch/home"
mkdir -p "$ZENTREL_HOME"

check "zentrel-cli --version" test "$("$usr/bin/zentrel-cli" --version)" = "zentrel-cli $version"
check "zentrel --version" test "$("$usr/bin/zentrel" --version)" = "zentrel $version"
check "depends computed from the binaries" \
  bash -c "dpkg-deb -f '$deb' Depends | grep -q 'libqt6widgets6' && dpkg-deb -f '$deb' Depends | grep -q 'libsqlite3-0'"

# The unpacked tool makes and constructs a school with the files the package ships.
school="$scratch/sola.znt"
check "sample from the package" "$usr/bin/zentrel-cli" sample "$school" --classes-per-grade 1 --force
check "construct from the package" "$usr/bin/zentrel-cli" construct "$school" --timetable 1 --turnus 1 \
  --second-round --third-round --complete --complete-limit 2
check "verify from the package" "$usr/bin/zentrel-cli" verify "$school" --timetable 1

check "desktop entry" desktop-file-validate "$usr/share/applications/zentrel.desktop"
check "file types" xmllint --noout "$usr/share/mime/packages/zentrel.xml"
for page in zentrel zentrel-cli; do
  check "manual page $page" bash -c "warnings=\$(MANWIDTH=80 man --warnings -l '$usr/share/man/man1/$page.1.gz' 2>&1 >/dev/null); [ -z \"\$warnings\" ] || { echo \"\$warnings\"; false; }"
done
check "version in the change log and the manual pages" bash -c "zcat '$usr/share/doc/zentrel/changelog.gz' | head -1 | grep -qF 'zentrel ($version)' && zcat '$usr/share/man/man1/zentrel.1.gz' | head -1 | grep -qF 'Zentrel $version' && zcat '$usr/share/man/man1/zentrel-cli.1.gz' | head -1 | grep -qF 'Zentrel $version'"
check "completion" bash -c "source /usr/share/bash-completion/bash_completion 2>/dev/null; source '$usr/share/bash-completion/completions/zentrel-cli' && complete -p zentrel-cli >/dev/null"

if command -v lintian >/dev/null; then
  check "lintian" bash -c "out=\$(lintian --allow-root --tag-display-limit 0 '$deb' 2>&1); echo \"\$out\" | sed 's/^/  lintian: /'; ! echo \"\$out\" | grep -q '^E:'"
else
  echo "lintian ni nameščen: preverjanje paketa z lintian je izpuščeno."
fi

# The program started with a project opens that project.
if [ -x "$usr/bin/zentrel" ]; then
  caption=$(QT_QPA_PLATFORM=offscreen timeout 60 "$usr/bin/zentrel" --screenshot-out "$scratch/shot.png" \
    --screenshot-delay 500 "$school" | sed -n 's/^Naslov: //p')
  check "opens the project given" bash -c "[[ '$caption' == *sola.znt* ]] || { echo \"naslov: $caption\"; false; }"

fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
