#pragma once

// Lets pending window events run, so that what was just drawn shows at once.
void DoEvents();
