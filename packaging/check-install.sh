#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks the installed tree: every file in
# place, the programs run, and the desktop entry, metainfo, manual pages and completion
# pass their validators where those are installed.
#   bash packaging/check-install.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
have() { command -v "$1" >/dev/null 2>&1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.example.linkmotion
for f in bin/linkmotion bin/linkmotion-cli \
         share/linkmotion/instruct.doc share/linkmotion/LmISpIns.doc \
         share/linkmotion/Exhaust.wav share/linkmotion/Error.wav \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/mime/packages/$id.xml \
         share/icons/hicolor/scalable/apps/linkmotion.svg \
         share/man/man1/linkmotion.1.gz share/man/man1/linkmotion-cli.1.gz \
         share/bash-completion/completions/linkmotion-cli \
         share/doc/linkmotion/copyright share/doc/linkmotion/changelog.gz; do
    [ -s "$prefix/$f" ] || fail "missing or empty: $f"
done
[ -x "$prefix/bin/linkmotion-cli" ] && "$prefix/bin/linkmotion-cli" --help >/dev/null ||
    fail "linkmotion-cli --help"
[ -x "$prefix/bin/linkmotion" ] && "$prefix/bin/linkmotion" --help >/dev/null ||
    fail "linkmotion --help"

# The instruction texts are read in a window about 80 columns wide.
for f in "$prefix"/share/linkmotion/*.doc; do
    awk -v f="$f" 'length > 80 { print "FAIL: " f ":" FNR " is " length " columns"; bad = 1 }
                   END { exit bad }' "$f" || failures=$((failures + 1))
done

if have desktop-file-validate; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail desktop-file-validate
fi
if have appstreamcli; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
        fail "appstreamcli validate"
fi
if have update-mime-database; then
    # Reads the type definitions as a desktop does; refuses a malformed file.
    out=$(update-mime-database "$prefix/share/mime" 2>&1) || fail "update-mime-database: $out"
    grep -q '^application/x-linkmotion-dimensions' "$prefix/share/mime/types" 2>/dev/null ||
        fail "the .lmd type is not registered"
fi

# One version everywhere: the program's, the manual pages' and the release's.
version=$("$prefix/bin/linkmotion-cli" --version | sed 's/.*Version //')
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo's release is not $version"
for page in "$prefix"/share/man/man1/*.1.gz; do
    zcat "$page" | head -1 | grep -q "Inside Admission $version\"" || fail "$page is not for $version"
done

if have man; then
    for page in "$prefix"/share/man/man1/*.1.gz; do
        out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man $page"
        [ -z "$out" ] || fail "man --warnings $page: $out"
    done
fi
if have rsvg-convert; then
    rsvg-convert -w 48 "$prefix/share/icons/hicolor/scalable/apps/linkmotion.svg" >/dev/null ||
        fail "icon does not render"
fi

# The completion reads the installed program's --help: all 44 code names after --set.
names=$(bash -c '
    source "$1/share/bash-completion/completions/linkmotion-cli"
    COMP_WORDS=("$1/bin/linkmotion-cli" --set ""); COMP_CWORD=2
    _linkmotion_cli; printf "%s\n" "${COMPREPLY[@]}"' sh "$prefix" | grep -c '=$' || true)
[ "$names" -eq 44 ] || fail "completion offers $names code names after --set, not 44"

if ((failures)); then
    echo "$failures problem(s) in the installed tree" >&2
    exit 1
fi
echo "installed tree OK"
