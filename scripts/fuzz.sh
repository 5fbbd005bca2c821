#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS] [TARGET...]: builds the libFuzzer targets with clang (build dir
# build-fuzz) and runs each for SECONDS (default 60), two at a time, from the seeds the build
# writes; the corpus each run grows is kept for the next one. Prints per target the inputs run,
# the coverage reached and the findings, which go to build-fuzz/fuzz/findings/<target>/. The exit
# code is 1 when any target found something. Not part of CI.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
all=(map_stream map_draw icon_library bmp jpeg rich_text ini engine_file sql filter)
targets=("$@")
((${#targets[@]})) || targets=("${all[@]}")

bash scripts/deps.sh fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVALDREN_FUZZ=ON -DVALDREN_TESTS=OFF -DVALDREN_BENCH=OFF \
  -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build build-fuzz -j4 --target fuzz

fuzz_dir=$PWD/build-fuzz/fuzz
dict_dir=$PWD/fuzz/dict
suppressions=$PWD/fuzz/lsan.supp
dictionary_of() {
  case $1 in
    sql) echo "-dict=$dict_dir/sql.dict" ;;
    filter) echo "-dict=$dict_dir/expression.dict" ;;
    rich_text) echo "-dict=$dict_dir/rtf.dict" ;;
  esac
}

run() {
  local target=$1
  local work=$fuzz_dir/work/$target
  rm -rf "$work" "$fuzz_dir/findings/$target"
  mkdir -p "$work/tmp" "$fuzz_dir/corpus/$target" "$fuzz_dir/findings/$target"
  # Targets write their scratch files under TMPDIR; SQL may name files, relative to the work dir.
  (cd "$work" && TMPDIR=$work/tmp QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 LSAN_OPTIONS=suppressions=$suppressions \
    "$fuzz_dir/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$fuzz_dir/findings/$target/" $(dictionary_of "$target") \
      "$fuzz_dir/corpus/$target" "$fuzz_dir/seeds/$target" >"$work/log" 2>&1) || true
}

summary() {
  local target=$1
  local log=$fuzz_dir/work/$target/log
  local runs cov findings
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  findings=$(find "$fuzz_dir/findings/$target" -type f | wc -l)
  printf '%-13s %12s runs  %6s edges  %s\n' "$target" "${runs:-?}" "${cov:-?}" \
    "$([[ $findings -eq 0 ]] && echo "no findings" || echo "$findings FINDINGS (see $log)")"
  [[ $findings -eq 0 ]]
}

# Two at a time: the machine is shared.
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run "${targets[i]}" &
  if ((i + 1 < ${#targets[@]})); then run "${targets[i + 1]}" & fi
  wait
done

status=0
for target in "${targets[@]}"; do
  summary "$target" || status=1
done
exit $status
