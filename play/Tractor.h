#pragma once
// The tractor that sows a field for play bed by bed, one cell per tick, while the field is busy.

void startTractor();
void Traktor();
