#include "Desktop.h"

#include "Papierkorb.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QProcess>
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

bool QtDesktop::startProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool QtDesktop::openFolder(const QString& folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

bool QtDesktop::moveToTrash(const QString& path)
{
    return Papierkorb::verschieben(path);
}
