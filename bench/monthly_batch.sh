#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Batch throughput of the monthly PAYE calculator: generates a payroll of monthly
# employees (100 000 by default) as CSV, runs `reventa-calc monthly --csv` on it once
# and prints the rows calculated per second, of wall time and of processor time.
#
#   bench/monthly_batch.sh PATH/TO/reventa-calc [ROWS]
#
# The payroll is the same on every run: a Park-Miller generator in awk (exact in
# awk's doubles, so every awk gives the same numbers) picks ages, salaries, medical
# aid, fund contributions, commission, travel allowances, a bonus for about one in
# twelve, and part months for about one in seven, all within the window's limits.
set -euo pipefail

calc=${1:?usage: monthly_batch.sh PATH/TO/reventa-calc [ROWS]}
rows=${2:-100000}
[ -x "$calc" ] || { echo "monthly_batch.sh: $calc is not an executable" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$rows" '
function next_random() { seed = (seed * 16807) % 2147483647; return seed / 2147483647 }
function pick(lo, hi) { return lo + int(next_random() * (hi - lo + 1)) }
BEGIN {
  seed = 20240229
  # First day (day serial) and length of each month of the tax year, March first.
  split("44986 45017 45047 45078 45108 45139 45170 45200 45231 45261 45292 45323", first, " ")
  split("31 30 31 30 31 31 30 31 30 31 31 29", length_of, " ")
  print "Age,Salary,EmployerMedAid,EmployeeMedAid,RFundEmployer,RFundEmployee,Commission," \
        "Bonus,TravelAllowance,Beneficiaries,StartDate,EndDate,InclusionRate"
  for (i = 0; i < n; i++) {
    age = pick(18, 80)
    salary = pick(40, 1500) * 100
    erMed = 0; eeMed = 0; bens = 0
    if (next_random() < 0.35) {
      bens = pick(1, 5)
      erMed = pick(0, 40) * 100
      eeMed = pick(5, 30) * 100
    }
    erFund = 0; eeFund = 0
    if (next_random() < 0.6) {
      erFund = int(salary * pick(0, 10) / 100)
      eeFund = int(salary * pick(5, 8) / 100)
    }
    commission = next_random() < 0.15 ? pick(5, 300) * 100 : 0
    bonus = next_random() < 1 / 12 ? salary : 0
    travel = 0; rate = 0.8
    if (next_random() < 0.2) {
      travel = pick(10, 80) * 100
      if (next_random() < 0.25) rate = 0.2
    }
    m = pick(1, 12)
    start = first[m]; end = first[m] + length_of[m] - 1
    if (next_random() < 0.15) {
      start = first[m] + pick(0, length_of[m] - 1)
      end = start + pick(0, first[m] + length_of[m] - 1 - start)
    }
    printf "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%s\n", age, salary, erMed, eeMed, erFund,
           eeFund, commission, bonus, travel, bens, start, end, rate
  }
}' >"$work/employees.csv"

# The processor time of the run beside its wall time: on a busy machine the wall
# time also counts the waits for a free core.
TIMEFORMAT='%3U %3S'
start_ns=$(date +%s%N)
cpu=$( { time "$calc" monthly --csv <"$work/employees.csv" >"$work/results.csv"; } 2>&1 )
end_ns=$(date +%s%N)

calculated=$(awk -F, 'NR > 1 && $NF == "" { ok++ } END { print ok + 0 }' "$work/results.csv")
failed=$(awk -F, 'NR > 1 && $NF != "" { bad++ } END { print bad + 0 }' "$work/results.csv")
awk -v rows="$rows" -v ok="$calculated" -v bad="$failed" -v ns=$((end_ns - start_ns)) \
    -v cpu="$cpu" 'BEGIN {
  seconds = ns / 1e9
  split(cpu, t, " ")
  busy = t[1] + t[2]
  printf "monthly --csv: %d rows (%d calculated, %d refused) in %.3f s: %.0f rows/s",
         rows, ok, bad, seconds, rows / seconds
  if (busy > 0) printf " (%.3f s of processor time: %.0f rows/s)", busy, rows / busy
  printf "\n"
}'
