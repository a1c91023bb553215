#!/usr/bin/env bash
# Plants faults in the program, one at a time, and counts how many the tests catch.
#
#   scripts/mutation.sh                 every fault of scripts/mutants.txt
#   scripts/mutation.sh 3 17            only faults 3 and 17 (their numbers in the list)
#   MUTATION_BUILD=dir scripts/mutation.sh   another build folder (default build-mutation)
#
# Each fault is a small edit of one source file: a text that must occur exactly once in the
# file is replaced by another. The script builds the programs and the tests with the fault in
# place, runs the tests that cover it (a ctest name pattern), and puts the file back before the
# next fault, also when it is interrupted. A fault is killed when a test fails and survives
# when every test passes. The build checks the destination templates it generates, so a fault
# that makes them wrong is killed there; a fault that does not compile says nothing and is
# listed to be fixed.
# The list lives in scripts/mutants.txt, one fault a block:
#
#   file: src/core/image/encodings.cpp
#   tests: Bits|Words
#   from: return (byte >> bit) & 1;
#   to:   return (byte >> bit) & 0;
#
# (an empty line between blocks; "from:" and "to:" keep everything after the first space).
set -euo pipefail
cd "$(dirname "$0")/.."

list=scripts/mutants.txt
build=${MUTATION_BUILD:-build-mutation}
export QT_QPA_PLATFORM=offscreen

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTPW52_BENCH=OFF \
  "${launcher[@]}" >/dev/null
echo "Building the unchanged program in $build ..."
cmake --build "$build" -j "$(nproc)" >/dev/null

# Reads the list into parallel arrays.
files=() tests=() froms=() tos=()
parse_list() {
  local file="" test="" from="" to="" line
  flush() {
    if [ -n "$file" ]; then files+=("$file") tests+=("$test") froms+=("$from") tos+=("$to"); fi
    file="" test="" from="" to=""
  }
  while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
      "#"*) ;;
      "") flush ;;
      file:*) file=${line#file: } ;;
      tests:*) test=${line#tests: } ;;
      from:*) from=${line#from:}; from=${from#"${from%%[! ]*}"} ;;
      to:*) to=${line#to:}; to=${to#"${to%%[! ]*}"} ;;
      *) echo "scripts/mutants.txt: cannot read the line: $line" >&2; exit 2 ;;
    esac
  done <"$list"
  flush
}
parse_list

# The programs the tests of a ctest name pattern run (their executables are targets of the
# build), and the data, whose build checks the destination templates: a fault is built only
# into what can catch it.
targets_of() {
  ctest --test-dir "$build" -R "$1" --show-only=json-v1 |
    perl -MJSON::PP -e '
      my %seen; my $tests = decode_json(join "", <STDIN>)->{tests};
      for my $test (@$tests) {
        my $program = $test->{command}[0] // next;
        $program =~ s{.*/}{};
        $seen{$program} = 1 if -x "$ENV{BUILD}/bin/$program";
      }
      print join(" ", "tpw52_data", sort keys %seen), "\n";'
}
export BUILD=$build

backup=""
current=""
restore() {
  if [ -n "$current" ]; then
    cp -p "$backup" "$current"
    touch "$current"
    current=""
  fi
}
trap 'restore; exit 130' INT TERM
trap 'restore' EXIT
backup=$(mktemp)

# Replaces the one occurrence of FROM in FILE by TO; fails when FROM is not there exactly once.
plant() {
  FROM=$2 TO=$3 perl -0777 -e '
    my $text = <STDIN>; my $from = $ENV{FROM}; my $to = $ENV{TO};
    my $count = () = $text =~ /\Q$from\E/g;
    if ($count != 1) { print STDERR "found $count times\n"; print $text; exit 3 }
    $text =~ s/\Q$from\E/$to/; print $text;' <"$1" >"$1.mutant" || { rm -f "$1.mutant"; return 1; }
  mv "$1.mutant" "$1"
}

selected=("$@")
killed=0 total=0 stale=()
for i in "${!files[@]}"; do
  n=$((i + 1))
  if [ ${#selected[@]} -gt 0 ] && [[ ! " ${selected[*]} " =~ " $n " ]]; then continue; fi
  file=${files[$i]}
  cp -p "$file" "$backup"
  current=$file
  if ! plant "$file" "${froms[$i]}" "${tos[$i]}"; then
    restore
    stale+=("$n")
    printf '%3d  STALE     %s: the text to change is not there once\n' "$n" "$file"
    continue
  fi
  targets=$(targets_of "${tests[$i]}")
  if [ "$targets" = tpw52_data ]; then
    restore
    stale+=("$n")
    printf '%3d  NO TESTS  %s: no test matches %s\n' "$n" "$file" "${tests[$i]}"
    continue
  fi
  total=$((total + 1))
  # shellcheck disable=SC2086 # one target a word
  if ! cmake --build "$build" -j "$(nproc)" --target $targets \
      >"$build/mutant-build.log" 2>&1; then
    if grep -q '^FAILED: .*\.o$' "$build/mutant-build.log"; then
      restore
      total=$((total - 1))
      stale+=("$n")
      printf '%3d  NO BUILD  %s: %s\n' "$n" "$file" "${tos[$i]}"
      continue
    fi
    verdict=killed  # compiled, but a step of the build that checks its output refused it
  elif ctest --test-dir "$build" -R "${tests[$i]}" -j "$(nproc)" --timeout 120 --no-tests=error \
      >/dev/null 2>&1; then
    verdict=SURVIVED
  else
    verdict=killed
  fi
  [ "$verdict" = killed ] && killed=$((killed + 1))
  printf '%3d  %-8s  %s: %s\n' "$n" "$verdict" "$file" "${tos[$i]}"
  restore
done
cmake --build "$build" -j "$(nproc)" >/dev/null 2>&1 || true

echo "killed $killed/$total"
if [ ${#stale[@]} -gt 0 ]; then
  echo "stale or not building (update scripts/mutants.txt): ${stale[*]}"
  exit 1
fi
