#pragma once

#include "ScriptedDesktop.h"
#include "mainwindow/Editor.h"
#include "model/Module1.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

/// The main window on a fresh temporary game folder, every dialog answered by a scripted
/// desktop: what each window test starts from.
struct EditorImTest
{
    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<Module1> m;
    std::unique_ptr<ScriptedDesktop> desktop;
    std::unique_ptr<Editor> editor;

    /// Creates the game folder with these subfolders and shows the editor on it.
    void starten(const QStringList& unterordner)
    {
        ordner = std::make_unique<QTemporaryDir>();
        for (const QString& name : unterordner)
            QDir(ordner->path()).mkpath(name);
        m = std::make_unique<Module1>();
        m->setzeOrdner(ordner->path());
        desktop = std::make_unique<ScriptedDesktop>();
        editor = std::make_unique<Editor>(*m, *desktop);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }

    /// Closes the editor; a dialog nobody expected or an answer nobody used fails the test.
    void beenden()
    {
        editor.reset();
        QVERIFY2(desktop->unexpected.isEmpty(), qPrintable(desktop->unexpected.join(u"; ")));
        QCOMPARE(desktop->pendingAnswers(), 0);
    }
};
