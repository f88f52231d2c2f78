#pragma once

#include "model/Module1.h"
#include "model/Skript.h"

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QPoint>
#include <QString>
#include <QVector>
#include <initializer_list>

/// The command codes the game understands.
namespace Befehl {
enum : qint32
{
    If = 0,
    PlayWav = 1,
    Print = 2,
    SetFlag = 3,
    Goto = 4,
    LoadPic = 5,
    Add = 6,
    IfItem = 8,
    Else = 9,
    EndIf = 10,
    DelFlag = 12,
    Error = 16,
    HSaktivieren = 17,
    HSdeaktivieren = 18,
};
}

struct Zeile
{
    qint32 befehl;
    const char* parameter = "";
};
Skript skript(std::initializer_list<Zeile> zeilen);

struct Raum
{
    QString datei;
    Module1 modell;
};

/// Everything the demo folder gets, by path relative to it. Pictures stay images until
/// written, so the GIFs can be checked against what was meant.
struct Inhalt
{
    QMap<QString, QImage> bilder;
    QMap<QString, QByteArray> dateien;
    QVector<Raum> raeume;
};

// Formate.cpp
/// At most 256 colours, chosen for the picture.
QImage quantisiert(const QImage& bild);
QByteArray gifDatei(const QImage& indiziert);
QByteArray curDatei(const QImage& bild, QPoint hotspot);
constexpr int Abtastrate = 22050;
QByteArray wavDatei(const QVector<float>& klang);

// Raeume.cpp: the three rooms and their backgrounds, and a picture no room uses.
void raeumeMachen(Inhalt& inhalt);
// Dinge.cpp: items, item scripts, cursors, sounds and the letter close-up.
void dingeMachen(Inhalt& inhalt);
