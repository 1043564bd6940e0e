#!/usr/bin/env bash
# Writes docs/CAMPAIGN.md: every bundled field in the order of its levels, with its pairs, the
# solver's proof time on this machine and the share of random orders that empty it.
# Run after `kelvary-pole make data/Pole`; expects the tool built in build/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
pole=build/bin/kelvary-pole
{
  echo "# The campaign"
  echo
  echo "The bundled fields in the order they are played from \"Начало\". *Share* is the share of"
  echo "1000 random harvest orders that empty the field (\`kelvary-pole rate\`, seed 1): the lower, the"
  echo "more a careless order leads into a dead end. *Proof* is the time \`kelvary-pole check\` took to"
  echo "prove the field harvestable on the machine that wrote this page."
  echo
  echo "| # | Field | Pairs | Proof | Share |"
  echo "|---:|---|---:|---:|---:|"
  place=0
  for field in $(ls data/Pole/*.tvk | sort -f); do
    place=$((place + 1))
    proof=$("$pole" check "$field" 2>&1 | sed -n 's/.*harvestable, \([0-9]*\) pairs (\([0-9]*\) ms.*/\2 ms/p')
    rating=$("$pole" rate "$field")
    pairs=$(head -n 1 <<<"$rating" | cut -d ' ' -f 1)
    share=$(tail -n 1 <<<"$rating")
    echo "| $place | $(basename "$field" .tvk) | $pairs | $proof | $share |"
  done
} > docs/CAMPAIGN.md
