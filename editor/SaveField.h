#pragma once
#include <QString>

// Saving a sown field, and choosing a field to sow on, through the field dialog.

// The editor's save command: checks the field, then saves under its name or asks for one.
void SaveFile(bool saveAs);
// "Продолжить посев": the field dialog in open mode.
void ContinueSowing();

// What the dialog does with the name typed or chosen: 0 when it may close.
int SaveOrOpenNamed(const QString& typedName);
// False for a name that is no plain file name in "Pole" (it holds a folder separator) or holds a
// character the settings file cannot keep.
bool acceptableFieldName(const QString& name);
