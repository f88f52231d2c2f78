#pragma once

#include "TestSpiel.h"
#include "roomfile/ItemSkript.h"
#include "script/Befehlstabelle.h"
#include "spiel/SpielLeser.h"
#include "umbenennen/Umbenenner.h"
#include "umbenennen/Umbenennung.h"

/// A small game whose rooms and item scripts name every kind of name in every form an author
/// writes it: padded, behind folders, in another letter case, within "Spiel vom Spiel spielen
/// spielen" and "ChangeMouse", in a room of its own hand-made formatting.
struct UmbenennSpiel : TestSpiel
{
    Module1 haus, keller;

    UmbenennSpiel()
    {
        using namespace Befehlstabelle;
        for (const char* ordner : {"movies", "musics"})
            QDir(dir.path()).mkpath(QLatin1String(ordner));
        for (const char* d :
             {"graphics/Haus.BMP", "graphics/keller.gif", "sounds/Tuer.wav", "musics/musik.mid",
              "movies/film.avi", "items/Schluessel.bmp", "items/Muenze.gif"})
            datei(QString::fromLatin1(d), d);

        haus.setHintergrund("graphics\\Haus.BMP");
        haus.StartSkript = skriptAus({{If, "TruheOffen"},
                                      {SetFlag, "HausBesucht"},
                                      {Else, ""},
                                      {Goto, "keller.lsd"},
                                      {EndIf, ""}});
        HotSpot& tuer = haus.HotSpots[haus.neuerHotSpot(0)];
        tuer.Name = "Tür";
        tuer.Cursor = "hand.cur";
        tuer.Skripte[1] = skriptAus({{If, "TruheOffen"},
                                     {PlayWav, " sounds\\Tuer.WAV "},
                                     {Goto, "rooms\\KELLER.LSD"},
                                     {Else, ""},
                                     {Add, "Schluessel.bmp"},
                                     {HSaktivieren, "Tür"},
                                     {ChangeMouse, "Tür, hand.cur"},
                                     {EndIf, ""}});
        HotSpot& truhe = haus.HotSpots[haus.neuerHotSpot(1)];
        truhe.Name = "Truhe";
        truhe.Skripte[0] = skriptAus({{Label, "Oben"},
                                      {SetFlag, "TruheOffen"},
                                      {Spiel, "Schach, TruheOffen , 3"},
                                      {LoadPic, "haus.bmp"},
                                      {Print, "Die Truhe, TruheOffen, Tür"},
                                      {Jump, "Oben"},
                                      {If, "truheoffen"}});
        haus.TimerSkript = skriptAus({{PlayMusic, "musik.mid"}, {HSdeaktivieren, "Truhe"}});

        keller.setHintergrund("keller.gif");
        keller.StartSkript = skriptAus({{DelFlag, "TruheOffen"},
                                        {IfItem, "Schluessel.bmp"},
                                        {Goto, "haus.lsd"},
                                        {EndIf, ""},
                                        {PlayAvi, "film.avi"},
                                        {HSaktivieren, "Tür"}});
        HotSpot& treppe = keller.HotSpots[keller.neuerHotSpot(0)];
        treppe.Name = "Treppe";
        treppe.Skripte[1] = skriptAus({{Goto, "Haus.lsd"}, {Label, "Oben"}, {Jump, "Oben"}});
        raum("haus.lsd", haus);
        raum("keller.lsd", keller);
        datei("items/Schluessel0.skp", ItemSkript::schreiben(skriptAus({{If, "TruheOffen"},
                                                                        {Remove, "Schluessel.bmp"},
                                                                        {HSdeaktivieren, "Tür"},
                                                                        {Goto, "keller.lsd"},
                                                                        {EndIf, ""}})));
        datei("items/Schluessel2.skp",
              ItemSkript::schreiben(skriptAus({{IfItem, "Schluessel.bmp"}})));
        // Written by hand: blanks, a comma after the code, text after the timer script.
        datei("rooms/hand.lsd", "  \"x.bmp" + QByteArray(95, ' ') +
                                    "\"\r\n"
                                    "2\r\n"
                                    " 0 ,\"TruheOffen\"  \r\n"
                                    "1\r\n\"musik.mid\"\r\n"
                                    "3\r\n\"TruheOffen\"\r\n"
                                    "-1\r\n-1\r\nDanach steht noch etwas.\r\n");
    }

    Spielpruefung lesen() const { return SpielLeser::spielLesen(m); }
    Umbenennung::Plan planen(const Umbenennung::Anfrage& anfrage) const
    {
        return Umbenennung::planen(lesen(), Umbenennung::Spielzugriff::aufPlatte(dir.path()),
                                   anfrage);
    }
    /// Renames haus.lsd to hof.lsd where nothing can be removed: neither the room under its old
    /// name nor, when it is put back, the one under its new name. The rename stays in its
    /// journal, cut short, for the next program to put back.
    bool unterbrochenUmbenennen() const
    {
        Umbenenner u(dir.path(), Umbenenner::journalOrdner(dir.path()));
        Umbenenner::Dateisystem fs = Umbenenner::Dateisystem::echt();
        fs.entfernen = [](const QString&) { return false; };
        u.dateisystemSetzen(fs);
        return u.ausfuehren(planen({NamensArt::Raum, "haus.lsd", "hof.lsd", {}})).art ==
               Umbenenner::Ergebnis::Art::Fehlgeschlagen;
    }
};
