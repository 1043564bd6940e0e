#include "ui/Cp1251Validator.h"

#include "core/Cp1251.h"

QValidator::State Cp1251Validator::validate(QString& input, int&) const
{
    return fitsCp1251(input) ? Acceptable : Invalid;
}
