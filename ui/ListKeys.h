#pragma once

class QListWidget;

// With nothing selected, the first Up or Down in the list selects its first entry, instead of
// stepping past the entry the list marked as current when it took the focus.
void selectFirstOnFirstArrow(QListWidget* list);
