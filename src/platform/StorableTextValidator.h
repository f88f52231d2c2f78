#pragma once

#include <QValidator>

/// Refuses, as it is typed or pasted, text that a room file cannot hold: a double quote,
/// a line break, a character outside Windows-1252.
class StorableTextValidator : public QValidator
{
public:
    /// With `fileNameOnly`, only the part after the last separator counts: a chosen
    /// path's folders stay in memory and never reach the file.
    explicit StorableTextValidator(bool fileNameOnly, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

private:
    bool fileNameOnly;
};
