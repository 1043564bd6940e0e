#pragma once
#include <QString>

#include "core/FieldFileFormat.h"

// The field as text: a header line, then the 16 x 10 beds with column and row numbers.
// Crops show their code, fences "#", empty beds ".".
QString fieldText(const FieldFile& field);
