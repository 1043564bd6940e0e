#pragma once
// A hint in play: the next pair of an order that clears the field, ringed in yellow for two
// seconds, for one battery unit.

void Podskazka();
// The two seconds are up, or input came to the field: the rings go.
void tmrPodskazka_Timer();
// Draws the rings again over whatever the cursor left on their beds.
void redrawHintRings();
