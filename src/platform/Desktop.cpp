#include "Desktop.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
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
    // The author sees only the description; the patterns still filter.
    const QFileDialog::Options options = QFileDialog::HideNameFilterDetails;
    const QString filter = qtNameFilter(request.filter);
    if (request.mode == FileRequest::Mode::Save)
        return QFileDialog::getSaveFileName(parent, request.title, start, filter, nullptr, options);
    return QFileDialog::getOpenFileName(parent, request.title, start, filter, nullptr, options);
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
