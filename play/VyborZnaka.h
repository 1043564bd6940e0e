#pragma once
// Picking the cell under the cursor in play: a first pick, a pair, or a wrong pick.

void VyborZnaka();
// True while a pick is being handled: events processed in its middle must not start another.
bool pickInProgress();
