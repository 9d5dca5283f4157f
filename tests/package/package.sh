# Usage: sh package.sh CPACK BUILD_DIR VERSION
# Makes the Debian package of the build, unpacks it with dpkg-deb into a scratch
# root and runs the packaged program there: --version, --init, a folder
# that is no workspace, a wrong option.
set -u
cpack=$1 build=$2 version=$3
command -v dpkg-deb >/dev/null 2>&1 || { echo "SKIPPED: dpkg-deb is not installed, so the package cannot be unpacked"; exit 77; }
top=$(mktemp -d "${TMPDIR:-/tmp}/tv-package.XXXXXX")
trap 'rm -rf "$top"' EXIT
trap 'exit 1' INT TERM HUP
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && "$cpack" -G DEB -B "$top/out") >"$top/cpack.log" 2>&1 ||
  { cat "$top/cpack.log"; fail "cpack could not make the package"; }
deb=$(ls "$top"/out/*.deb) || fail "no .deb was made"
dpkg-deb -f "$deb" Depends | grep -q libncursesw6 || fail "the package does not depend on the ncurses runtime"
dpkg-deb -f "$deb" Depends | grep -q libcsv3 || fail "the package does not depend on the CSV library"
for d in libcairo2 fonts-dejavu-core; do
  dpkg-deb -f "$deb" Depends | grep -q "$d" || fail "the package does not depend on $d"
done
root="$top/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb could not unpack $deb"
share="$root/usr/share/tallyvane"
for f in usr/bin/tallyvane usr/share/man/man1/tallyvane.1 usr/share/doc/tallyvane/LICENSE \
         usr/share/tallyvane/data/Specs.lst usr/share/tallyvane/examples/bank/RJ.A; do
  [ -f "$root/$f" ] || fail "$f is not in the package"
done
prog="$root/usr/bin/tallyvane"

out=$("$prog" --version </dev/null) || fail "--version ended with status $?"
[ "$out" = "tallyvane $version" ] || fail "--version printed \"$out\""

# The unpacked program finds the files beside it, not those of the source tree.
"$prog" --init "$top/ws" --demo >"$top/init.txt" </dev/null || fail "--init ended with status $?"
grep -qF "$share" "$top/init.txt" || fail "--init did not copy from the package: $(cat "$top/init.txt")"
for f in Specs.lst New.spe Practice.spe RJ.A FTV.00; do
  cmp -s "$top/ws/$f" "$(ls "$share"/data/$f "$share"/examples/bank/$f 2>/dev/null)" ||
    fail "$f of the new workspace differs from the packaged one"
done

# No workspace: a message naming --init, before any use of the terminal.
mkdir "$top/empty"
(cd "$top/empty" && TERM=dumb "$prog" </dev/null >"$top/none.out" 2>"$top/none.err"); [ $? -eq 1 ] ||
  fail "in a folder that is no workspace the status was not 1"
grep -q "Specs.lst" "$top/none.err" && grep -q -- "--init" "$top/none.err" ||
  fail "no word of the missing Specs.lst and --init: $(cat "$top/none.err")"
[ -s "$top/none.out" ] && fail "the terminal was written to: $(cat "$top/none.out")"

# The PDF of a packet, with the packaged program and the fonts it depends on.
printf '    Example Style Quizzing\n\n    Quiz Number 1\n' >"$top/ws/Card.qui"
(cd "$top/ws" && "$prog" --pdf Card.qui </dev/null >"$top/pdf.out" 2>&1) || fail "--pdf failed: $(cat "$top/pdf.out")"
head -c 5 "$top/ws/Card.pdf" | grep -q '^%PDF-' || fail "--pdf made no PDF"

"$prog" --frobnicate </dev/null >/dev/null 2>"$top/wrong.err"; [ $? -eq 2 ] || fail "an unknown option did not end with status 2"
grep -q "^Usage:" "$top/wrong.err" || fail "an unknown option did not print the usage"
echo "package: $(basename "$deb") unpacked and tried"
