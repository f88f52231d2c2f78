// The hotspot list's marks of what can never happen in play, while the room is as saved.
#pragma once

#include <QObject>

class Editor;
class Module1;
class Pruefdienst;

/// Follows the analysis of what can never happen in play and hands the main window the
/// findings of the open room. Only while the room is the very file the analysis read: in a
/// room changed since, its line numbers and reasons may be wrong, so then there are none.
class NieMarken : public QObject
{
    Q_OBJECT

public:
    NieMarken(const Module1& raum, Editor& editor, Pruefdienst& dienst, QObject* parent);

private:
    void nachfuehren();

    const Module1& m;
    Editor& editor;
    Pruefdienst& dienst;
};
