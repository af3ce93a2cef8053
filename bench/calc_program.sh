# Sourced by the tarvel-calc benchmarks, with their arguments: the program to time, the first of
# them or the release build's, and a scratch folder, $work, removed when the benchmark ends.
program=${1:-build/calc/tarvel-calc}
[ -x "$program" ] || { echo "no $program: build it first (cmake --build --preset release)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
