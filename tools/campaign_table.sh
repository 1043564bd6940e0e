#!/usr/bin/env bash
# Writes docs/CAMPAIGN.md: every bundled field in the order of its levels, with its pairs, the
# share of random orders that empty it and how a person finds it (`kelvary-pole grade`), and a
# line per chapter of six fields. Run after `kelvary-pole make data/Pole`; expects the tool built
# in build/bin. Grading takes a few seconds a field; it runs at the lowest priority.
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
  echo "pair at 10,000 orders. \"≈\" marks a figure whose search reached its bound. A chapter line"
  echo "gives the means of L\\* and of trap density over its six fields."
  echo
  echo "| # | Field | Pairs | Share | L* | Traps | Gap | Risk |"
  echo "|---:|---|---:|---:|---:|---:|---:|---:|"
  place=0
  sum_look=0
  sum_traps=0
  for field in data/Pole/*.tvk; do
    place=$((place + 1))
    rating=$("$pole" rate "$field")
    pairs=$(head -n 1 <<<"$rating" | cut -d ' ' -f 1)
    share=$(tail -n 1 <<<"$rating")
    mapfile -t grade < <(nice -n 19 "$pole" grade "$field" | tail -n 4)
    echo "| $place | $(basename "$field" .tvk) | $pairs | $share | ${grade[0]} | ${grade[1]} | ${grade[2]} | ${grade[3]} |"
    sum_look=$(awk -v a="$sum_look" -v b="$(plain "${grade[0]}")" 'BEGIN { print a + b }')
    sum_traps=$(awk -v a="$sum_traps" -v b="$(plain "${grade[1]}")" 'BEGIN { print a + b }')
    if ((place % chapter_size == 0)); then
      awk -v c=$((place / chapter_size)) -v l="$sum_look" -v t="$sum_traps" -v n=$chapter_size \
        'BEGIN { printf "| | **Chapter %d** | | | **%.2f** | **%.3f** | | |\n", c, l / n, t / n }'
      sum_look=0
      sum_traps=0
    fi
  done
} > docs/CAMPAIGN.md
