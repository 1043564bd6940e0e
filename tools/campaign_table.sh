#!/usr/bin/env bash
# Writes docs/CAMPAIGN.md: every bundled field in the order of its levels, with its pairs, the
# share of random orders that empty it and how people find it (`kelvary-pole grade`), and a line
# per chapter of six fields. Run after `kelvary-pole make data/Pole`; expects the tool built in
# build/bin. Grading takes a few seconds a field; it runs at the lowest priority.
set -euo pipefail
cd "$(dirname "$0")/.."
pole=build/bin/kelvary-pole
chapter_size=6
# Figures marked as bounded ("≈", "≥") count at their value in a chapter's means.
plain() { sed 's/^[≈≥]//' <<<"$1"; }
{
  echo "# The campaign"
  echo
  echo "The bundled fields in the order they are played from \"Начало\". *Share* is the share of"
  echo "1000 random harvest orders that empty the field (\`kelvary-pole rate\`, seed 1). The other"
  echo "columns are \`kelvary-pole grade\` (seed 1): *L\\** the look-ahead a careful player needs to"
  echo "clear half of 20 orders (9: more than 8), *Traps* the share of steps of winning orders that"
  echo "offer a pair after which the field cannot be cleared, *Gap* the median number of pairs"
  echo "between the fatal pair and the dead end over failing random orders, *Risk* −ln(share) per"
  echo "pair at 10,000 orders. Then the model players, 1000 games each: the share won and, after"
  echo "the slash, the median gap of their lost games. *Tidy* takes the shortest route; *Careful-2*"
  echo "and *Careful-4* the shortest after which 2 or 4 more pairs can still be harvested; the"
  echo "*Expert* takes a kind's last two pictures, empties a kind in one go when it can, and"
  echo "otherwise avoids locking two kinds' last pictures together and stopping within 3 pairs."
  echo "\"≈\" marks a figure whose search reached its bound. A chapter line gives the means over"
  echo "its six fields."
  echo
  echo "| # | Field | Pairs | Share | L* | Traps | Gap | Risk | Tidy | Careful-2 | Careful-4 | Expert |"
  echo "|---:|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|"
  place=0
  sums=(0 0 0 0 0 0 0)  # pairs, L*, traps, and the four players' shares
  for field in data/Pole/*.tvk; do
    place=$((place + 1))
    rating=$("$pole" rate "$field")
    pairs=$(head -n 1 <<<"$rating" | cut -d ' ' -f 1)
    share=$(tail -n 1 <<<"$rating")
    mapfile -t grade < <(nice -n 19 "$pole" grade "$field" | tail -n 8)
    players=""
    values=("$pairs" "$(plain "${grade[0]}")" "$(plain "${grade[1]}")")
    for line in "${grade[@]:4:4}"; do
      read -r _ won gap <<<"$line"
      players+=" $won / $gap |"
      values+=("$(plain "$won")")
    done
    echo "| $place | $(basename "$field" .tvk) | $pairs | $share | ${grade[0]} | ${grade[1]} | ${grade[2]} | ${grade[3]} |$players"
    for i in "${!sums[@]}"; do
      sums[i]=$(awk -v a="${sums[i]}" -v b="${values[i]}" 'BEGIN { print a + b }')
    done
    if ((place % chapter_size == 0)); then
      awk -v c=$((place / chapter_size)) -v n=$chapter_size -v s="${sums[*]}" 'BEGIN {
        split(s, m, " ")
        printf "| | **Chapter %d** | **%.1f** | | **%.2f** | **%.3f** | | | **%.2f** | **%.2f** | **%.2f** | **%.2f** |\n",
          c, m[1] / n, m[2] / n, m[3] / n, m[4] / n, m[5] / n, m[6] / n, m[7] / n }'
      sums=(0 0 0 0 0 0 0)
    fi
  done
} > docs/CAMPAIGN.md
