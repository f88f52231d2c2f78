// The window "Übersetzungen" through its real widgets: languages counted, the template and
// msgmerge, a translated game built or refused.
#include "EditorImTest.h"
#include "SkriptAus.h"
#include "mainwindow/Spielfenster.h"
#include "roomfile/RoomFile.h"
#include "script/Befehlstabelle.h"
#include "spiel/Pruefdienst.h"
#include "tools/Uebersetzungen.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTreeWidget>

using namespace Befehlstabelle;

class TestUebersetzungen : public QObject, EditorImTest
{
    Q_OBJECT

private:
    std::unique_ptr<Pruefdienst> dienst;
    std::unique_ptr<Spielfenster> alle;
    Uebersetzungen* fenster2 = nullptr;

    QString po(const QString& name) const
    {
        return m->AppPfad + QStringLiteral("uebersetzungen/") + name;
    }
    bool poSchreiben(const QString& name, const QByteArray& eintraege)
    {
        return spiel->datei(QStringLiteral("uebersetzungen/") + name,
                            "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; "
                            "charset=UTF-8\\n\"\n\n" +
                                eintraege);
    }
    QStringList sprachen()
    {
        QStringList zeilen;
        auto* liste = control<QTreeWidget>("Sprachen", fenster2);
        for (int i = 0; i < liste->topLevelItemCount(); ++i) {
            QStringList spalten;
            for (int s = 0; s < liste->columnCount(); ++s)
                spalten << liste->topLevelItem(i)->text(s);
            zeilen << spalten.join(" | ");
        }
        return zeilen;
    }
    /// Clicks `knopf` and sees the work run off the window's thread: both buttons wait and
    /// the line says what runs, until the result has come.
    void klickenUndWarten(const char* knopf, const QString& stand)
    {
        click(knopf, fenster2);
        QCOMPARE(control<QLabel>("Stand", fenster2)->text(), stand);
        QVERIFY(!control<QPushButton>("VorlageSchreiben", fenster2)->isEnabled());
        QVERIFY(!control<QPushButton>("SpielBauen", fenster2)->isEnabled());
        QTRY_VERIFY(control<QPushButton>("VorlageSchreiben", fenster2)->isEnabled());
        QCOMPARE(control<QLabel>("Stand", fenster2)->text(), QString());
    }

private Q_SLOTS:
    void init()
    {
        starten();
        QDir(m->AppPfad).mkpath(QStringLiteral("uebersetzungen"));
        spiel->raum(QStringLiteral("a.lsd"),
                    raumMit(skriptAus(
                        {{Print, QStringLiteral("Hallo.")}, {Print, QStringLiteral("Tschüs.")}})));
        QVERIFY(poSchreiben(QStringLiteral("en.po"),
                            "msgid \"Hallo.\"\nmsgstr \"Hello.\"\n\nmsgid \"Alt.\"\nmsgstr "
                            "\"Old.\"\n"));
        QVERIFY(poSchreiben(QStringLiteral("pl.po"), "msgid \"Hallo.\"\nmsgstr \"Cześć.\"\n"));
        QVERIFY(spiel->datei(QStringLiteral("uebersetzungen/kaputt.po"), "msgid \"a\"\n"));
        dienst = std::make_unique<Pruefdienst>(*m);
        QSignalSpy bereit(dienst.get(), &Pruefdienst::bereitGeworden);
        dienst->lesen();
        QVERIFY(bereit.wait(10000));
        alle = std::make_unique<Spielfenster>(*m, *desktop, *editor, *dienst);
        control<QAction>("aktionUebersetzungen", editor.get())->trigger();
        fenster2 = editor->findChild<Uebersetzungen*>(QStringLiteral("Uebersetzungen"));
        QVERIFY(fenster2 && fenster2->isVisible());
    }
    void cleanup()
    {
        alle.reset();
        dienst.reset();
        beenden();
    }

    void theLanguagesAreCountedAndFollowTheGame()
    {
        QCOMPARE(sprachen(), (QStringList{"en.po | 1 | 0 | 1 | 1",
                                          "kaputt.po | Zeile 1: Zu diesem "
                                          "msgid fehlt msgstr |  |  | ",
                                          "pl.po | 1 | 0 | 1 | 0"}));
        QVERIFY(control<QLabel>("Hinweis", fenster2)->text().startsWith("2 Texte im Spiel."));
        // A text gone from the game counts as no longer in it, once the service knows.
        spiel->raum(QStringLiteral("a.lsd"),
                    raumMit(skriptAus({{Print, QStringLiteral("Tschüs.")}})));
        dienst->dateiGeaendert(raeume(QStringLiteral("a.lsd")));
        QCOMPARE(sprachen().first(), QStringLiteral("en.po | 0 | 0 | 1 | 2"));
    }

    void theTemplateIsWrittenAndEveryLanguageMergedOrTheAuthorToldHowToGetGettext()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("msgmerge")).isEmpty())
            QSKIP("gettext is not installed (scripts/install-deps.sh installs it)");
        desktop->answer(QMessageBox::Ok);
        klickenUndWarten("VorlageSchreiben", QStringLiteral("Die Vorlage wird geschrieben …"));
        QVERIFY(QFile::exists(po(QStringLiteral("spiel.pot"))));
        QCOMPARE(desktop->gettextProgramm.aufrufe.size(), 3);
        QCOMPARE(desktop->gettextProgramm.aufrufe[0].mid(0, 3),
                 (QStringList{"msgmerge", "--quiet", "--update"}));
        const QString text = desktop->messages.last().text;
        QVERIFY2(text.contains("Auf den neuen Stand gebracht (neue Texte unübersetzt, geänderte "
                               "ungenau): en.po, pl.po.") &&
                     text.contains("msgmerge kann kaputt.po nicht"),
                 qPrintable(text));
        // msgmerge kept the translation and added the new text.
        QVERIFY(
            spiel->inhalt(QStringLiteral("uebersetzungen/en.po")).contains("msgid \"Tschüs.\""));
        QCOMPARE(sprachen().first(), QStringLiteral("en.po | 1 | 0 | 1 | 0"));

        desktop->gettextProgramm.fehlt = true;
        desktop->answer(QMessageBox::Ok);
        klickenUndWarten("VorlageSchreiben", QStringLiteral("Die Vorlage wird geschrieben …"));
        QVERIFY(desktop->messages.last().text.contains("sudo apt install gettext"));
    }

    void aGameIsBuiltIntoTheChosenFolderOrItsRefusalsListed()
    {
        QTemporaryDir wohin;
        control<QTreeWidget>("Sprachen", fenster2)
            ->setCurrentItem(control<QTreeWidget>("Sprachen", fenster2)->topLevelItem(2));
        desktop->answer(wohin.path());
        klickenUndWarten("SpielBauen", QStringLiteral("Das Spiel wird gebaut …"));
        QVERIFY(!desktop->dialogs.isEmpty() && desktop->dialogs.last().startsWith("Ordner | Wohin "
                                                                                  "kommt das Spiel "
                                                                                  "auf pl?"));
        auto* liste = control<QTreeWidget>("Ablehnungen", fenster2);
        QVERIFY(liste->isVisible());
        QCOMPARE(liste->topLevelItemCount(), 1);
        QCOMPARE(liste->topLevelItem(0)->text(0), QStringLiteral("6"));
        QCOMPARE(liste->topLevelItem(0)->text(1), QStringLiteral("Hallo."));
        QVERIFY(liste->topLevelItem(0)->text(2).startsWith("„ś“ (U+015B) gibt es in Windows-1252 "
                                                           "nicht"));
        QCOMPARE(
            QDir(wohin.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());

        control<QTreeWidget>("Sprachen", fenster2)
            ->setCurrentItem(control<QTreeWidget>("Sprachen", fenster2)->topLevelItem(0));
        desktop->answer(wohin.path(), QMessageBox::Ok);
        klickenUndWarten("SpielBauen", QStringLiteral("Das Spiel wird gebaut …"));
        QVERIFY(!liste->isVisible());
        const QString ziel = wohin.path() + "/" + QDir(m->AppPfad).dirName() + "-en";
        QCOMPARE(desktop->messages.last().text,
                 "Das Spiel ist gebaut: " + ziel +
                     "\n\n1 Texte übersetzt, 1 unübersetzt, 0 ungenau: sie bleiben deutsch");
        Module1 gebaut;
        QVERIFY(
            RoomFile::lesen(TextFile::read(ziel + "/rooms/a.lsd").value(), gebaut).vollstaendig);
        QCOMPARE(gebaut.StartSkript.Parameter, (QStringList{"Hello.", "Tschüs."}));
    }

    void aBuildOutlivesItsWindowAndStopsCleanlyWithTheEditor()
    {
        QTemporaryDir wohin;
        const QString ziel = wohin.path() + "/" + QDir(m->AppPfad).dirName() + "-en";
        // The window closed: the build goes on and tells its result.
        desktop->answer(wohin.path(), QMessageBox::Ok);
        click("SpielBauen", fenster2);
        fenster2->close();
        QTRY_VERIFY(!desktop->messages.isEmpty());
        QVERIFY(desktop->messages.last().text.startsWith("Das Spiel ist gebaut: " + ziel));
        QVERIFY(QFile::exists(ziel + "/rooms/a.lsd"));

        // The editor closed: the build stops, or has just finished; nothing half made remains.
        QVERIFY(QDir(ziel).removeRecursively());
        fenster2->zeigen();
        desktop->answer(wohin.path());
        click("SpielBauen", fenster2);
        alle.reset();
        dienst.reset();
        editor.reset();
        const QStringList da =
            QDir(wohin.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QVERIFY2(da.isEmpty() || (da == QStringList{QFileInfo(ziel).fileName()} &&
                                  QFile::exists(ziel + "/rooms/a.lsd")),
                 qPrintable(da.join(", ")));
    }
};

QTEST_MAIN(TestUebersetzungen)
#include "tst_uebersetzungen.moc"
