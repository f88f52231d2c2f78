#pragma once

#include <QValidator>

class Desktop;
class QLineEdit;
class QWidget;

/// Refuses, as it is typed or pasted, text that a room file cannot hold: a double quote,
/// a line break, a character outside Windows-1252.
class StorableTextValidator : public QValidator
{
public:
    /// With `fileNameOnly`, only the part after the last separator counts: a chosen
    /// path's folders stay in memory and never reach the file.
    explicit StorableTextValidator(bool fileNameOnly, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    /// Gives `box` this validator and a tooltip that says why a keystroke or a paste was
    /// refused, instead of letting it vanish silently. Every box that feeds a file uses it.
    static void attach(QLineEdit* box, bool fileNameOnly);

    /// Whether the bare name of a file chosen in a dialog can go into a room file. When it
    /// cannot, the author is told so and asked to rename the file.
    static bool fileNameAccepted(Desktop& desktop, QWidget* parent, const QString& path);

private:
    bool fileNameOnly;
};
