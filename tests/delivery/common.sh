# Sourced by the delivery tests: a scratch folder that vanishes at every end,
# failures collected so that one run names them all, manual pages as text.

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

# True where manual pages can be rendered (scripts/run-tests makes sure).
have_man() { command -v man >/dev/null && command -v groff >/dev/null; }

# render <page> [width]: the page as plain ASCII text, one example line a
# line; groff's warnings of every kind go to standard error.
render() { LC_ALL=C MANWIDTH=${2:-200} man --warnings=w -l "$1"; }

# in_order <expected> <actual>: true when <expected> has non-empty lines and
# they appear in <actual> in this order, each whole once blanks at both ends
# are dropped from both; otherwise names the first one missing.
in_order() {
  awk 'function trim(s) { sub(/[ \t]+$/, "", s); sub(/^[ \t]+/, "", s); return s }
       FILENAME == ARGV[1] { if (trim($0) != "") want[++n] = trim($0); next }
       i < n && trim($0) == want[i + 1] { ++i }
       END {
         if (n == 0) { print "nothing to look for in " ARGV[1]; exit 1 }
         if (i < n) { print "missing, in this order: " want[i + 1]; exit 1 }
       }' "$1" "$2"
}
