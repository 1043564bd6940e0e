#pragma once

// Russian for Qt's own buttons and dialogs ("Да", "Нет", "Открыть" …), loaded the first time a
// standard box or dialog is about to show, so start-up does not wait for it. Without the
// translation the game still runs.
void useRussianStandardTexts();
