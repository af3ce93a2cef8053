# Sourced by the window benchmarks: the clock they time with, and how they sum up their samples.

now_ms() { date +%s%3N; }

# The median of the numbers in a file, one a line; "-" for a missing or empty file (no start
# succeeded).
median() {
  [ -s "$1" ] || { echo "-"; return; }
  sort -g "$1" | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'
}

# The first figure over the second, to two decimals; "-" when either is missing.
ratio() {
  case "$1$2" in *-*) echo "-" ;; *) awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a/b}' ;; esac
}
