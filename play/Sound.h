#pragma once
// The crash sound after a wrong pick. A missing file or no audio device only means silence.

void PlayAvariya();
void StopSounds();
