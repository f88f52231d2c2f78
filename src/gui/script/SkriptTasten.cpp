#include "SkriptTasten.h"

#include <QStringList>

namespace SkriptTasten {

QKeySequence rueckgaengig()
{
    return QKeySequence(Qt::CTRL | Qt::Key_Z);
}

QList<QKeySequence> wiederholen()
{
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
}

QKeySequence folgen()
{
    return QKeySequence(Qt::Key_F12);
}

QKeySequence verwendungen()
{
    return QKeySequence(Qt::SHIFT | Qt::Key_F12);
}

QKeySequence umbenennen()
{
    return QKeySequence(Qt::Key_F2);
}

QVector<QPair<QString, QString>> liste()
{
    const auto text = [](const QList<QKeySequence>& folgen) {
        QStringList t;
        for (const QKeySequence& f : folgen)
            t << f.toString(QKeySequence::NativeText);
        return t.join(QStringLiteral(", "));
    };
    return {
        {text({rueckgaengig()}), QStringLiteral("Rückgängig (seit das Fenster offen ist)")},
        {text(wiederholen()), QStringLiteral("Wiederholen")},
        {text({QKeySequence(Qt::Key_Return)}),
         QStringLiteral("In der Befehlsliste: den Befehl einfügen")},
        {text(QKeySequence::keyBindings(QKeySequence::Copy)),
         QStringLiteral("Zeile kopieren, bei „IF“, „IfItem“, „SelectCase“ den Block")},
        {text(QKeySequence::keyBindings(QKeySequence::Cut)),
         QStringLiteral("Zeile oder Block ausschneiden")},
        {text(QKeySequence::keyBindings(QKeySequence::Paste)),
         QStringLiteral("Kopierte Zeilen unter der gewählten einfügen")},
        {text({folgen()}), QStringLiteral("Bei „Goto“: den Raum öffnen")},
        {text({verwendungen()}), QStringLiteral("Verwendungen des Namens der Zeile")},
        {text({umbenennen()}), QStringLiteral("Den Namen der Zeile umbenennen")},
    };
}

} // namespace SkriptTasten
