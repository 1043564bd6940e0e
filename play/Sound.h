#pragma once
// The crash sound after a wrong pick. A missing file, module or audio device only means silence.

void PlayAvariya();
void StopSounds();
// Whether the player module has been found and loaded (on the first crash).
bool soundModuleLoaded();
