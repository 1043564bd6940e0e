#pragma once
#include <QValidator>

// Lets into a text box only what a Windows-1251 file can hold: no other character is typed or
// pasted, and no control character.
class Cp1251Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};
