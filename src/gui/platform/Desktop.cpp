#include "Desktop.h"

#include "Papierkorb.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTreeView>
#include <QUrl>

QString qtNameFilter(const QString& filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    QString muster = filter.mid(bar + 1);
    muster.replace(QLatin1Char(';'), QLatin1Char(' '));
    return filter.left(bar) + QStringLiteral(" (") + muster + QLatin1Char(')');
}

void Desktop::warn(QWidget* parent, const QString& text)
{
    MessageRequest r;
    r.text = text;
    r.icon = QMessageBox::Warning;
    message(parent, r);
}

QString QtDesktop::askText(QWidget* parent, const TextRequest& request)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, request.title, request.label,
                                               QLineEdit::Normal, request.text, &ok);
    return ok ? text : QString();
}

QString QtDesktop::chooseFile(QWidget* parent, const FileRequest& request)
{
    // A missing folder (a game folder without "rooms", say) opens its nearest parent,
    // and a trailing separator keeps the dialog from offering the folder as a file name.
    QString ordner = QDir::cleanPath(request.folder);
    while (!ordner.isEmpty() && !QFileInfo(ordner).isDir() && ordner != QDir::rootPath())
        ordner = QFileInfo(ordner).path();
    QString start = ordner + QLatin1Char('/');
    if (!request.preset.isEmpty()) {
        start = QDir::isAbsolutePath(request.preset) ? request.preset
                                                     : QDir(ordner).filePath(request.preset);
    }
    QFileDialog dialog(parent, request.title, start, qtNameFilter(request.filter));
    // The author sees only the description; the patterns still filter.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (request.mode == FileRequest::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else if (request.mode == FileRequest::Mode::Folder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    // Qt's own dialog sizes its columns for English texts in a larger font: German sizes and
    // types were cut short. A native dialog sizes itself.
    dialog.resize(760, 460);
    if (auto* liste = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* kopf = liste->header();
        kopf->setStretchLastSection(false);
        kopf->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int spalte = 1; spalte < kopf->count(); ++spalte)
            kopf->setSectionResizeMode(spalte, QHeaderView::ResizeToContents);
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QMessageBox::StandardButton QtDesktop::message(QWidget* parent, const MessageRequest& request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtDesktop::showModal(QDialog& dialog)
{
    dialog.exec();
}

DesktopResult QtDesktop::startProgram(const QString& program, const QStringList& arguments)
{
    using Kind = DesktopResult::Kind;
    // QProcess says "No such file" for both; the author needs to know which one is missing.
    const bool perName =
        !program.contains(QLatin1Char('/')) && !program.contains(QLatin1Char('\\'));
    if (perName && QStandardPaths::findExecutable(program).isEmpty())
        return {Kind::CommandMissing, program, {}};
    if (!perName && !QFileInfo::exists(program))
        return {Kind::Missing, program, {}};
    QProcess prozess;
    prozess.setProgram(program);
    prozess.setArguments(arguments);
    if (prozess.startDetached())
        return {};
    // Qt puts the failed call's name first ("execv: Permission denied").
    static const QRegularExpression aufruf(QStringLiteral("^[a-z_]+: "));
    return {Kind::Refused, program, prozess.errorString().remove(aufruf)};
}

DesktopResult QtDesktop::openFolder(const QString& folder)
{
    // The desktop tells no more than yes or no; a folder that is gone is found here.
    if (!QFileInfo(folder).isDir())
        return {DesktopResult::Kind::Missing, folder, {}};
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        return {DesktopResult::Kind::Refused, folder, {}};
    return {};
}

bool QtDesktop::moveToTrash(const QString& path)
{
    return Papierkorb::verschieben(path);
}
