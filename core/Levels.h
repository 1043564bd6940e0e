#pragma once
#include <QString>

// Starting a game and going from level to level through the field files of "Pole".

// The dialog's entry 0: the built-in start field.
inline const QString kStartEntry = QStringLiteral("Начало");

// Begins a game at an entry of the new-game list (0 the start field, k the field file k - 1).
void BeginGame(int entry, const QString& entryText);
// Lays out the built-in start field with its kinds exchanged at random.
void Nachalo();
// Loads the next unplayed field after file n of the list (-1: after the field the game began with);
// when none is left, congratulates and ends the game.
void NewUroven(int n);
// A field file's name as the player sees it: "07 Теплица.tvk" → "07 Теплица".
QString fieldTitle(const QString& fileName);
// The banner names the field in play, and shows the motto in the menu and the editor.
void ShowFieldTitle();
