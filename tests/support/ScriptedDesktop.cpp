#include "ScriptedDesktop.h"

#include <QDialog>

void ScriptedDesktop::answerFile(const QString& path)
{
    answers.push_back({true, path, QMessageBox::NoButton});
}

void ScriptedDesktop::answerMessage(QMessageBox::StandardButton button)
{
    answers.push_back({false, QString(), button});
}

void ScriptedDesktop::driveModal(std::function<void(QDialog&)> driver)
{
    drivers.push_back(std::move(driver));
}

QString ScriptedDesktop::chooseFile(QWidget*, const FileRequest& request)
{
    Request r;
    r.kind = request.mode == FileRequest::Mode::Save ? Request::Kind::Save : Request::Kind::Open;
    r.title = request.title;
    r.filter = request.filter;
    r.folder = request.folder;
    r.preset = request.preset;
    requests.append(r);
    if (answers.empty() || !answers.front().isFile) {
        unexpected << QStringLiteral("file dialog \"%1\"").arg(request.title);
        return QString();
    }
    const QString path = answers.front().path;
    answers.pop_front();
    return path;
}

QMessageBox::StandardButton ScriptedDesktop::message(QWidget*, const MessageRequest& request)
{
    Request r;
    r.kind = Request::Kind::Message;
    r.title = request.title;
    r.text = request.text;
    r.icon = request.icon;
    r.buttons = request.buttons;
    r.defaultButton = request.defaultButton;
    requests.append(r);
    if (answers.empty() || answers.front().isFile) {
        unexpected << QStringLiteral("message \"%1\"").arg(request.text);
        return QMessageBox::Cancel;
    }
    const QMessageBox::StandardButton button = answers.front().button;
    answers.pop_front();
    return button;
}

void ScriptedDesktop::showModal(QDialog& dialog)
{
    if (drivers.empty()) {
        unexpected << QStringLiteral("modal window %1").arg(dialog.objectName());
        return;
    }
    const auto driver = std::move(drivers.front());
    drivers.pop_front();
    dialog.show();
    driver(dialog);
    dialog.close();
}

bool ScriptedDesktop::startProgram(const QString& program, const QStringList& arguments)
{
    starts.append({program, arguments});
    return true;
}

bool ScriptedDesktop::openFolder(const QString& folder)
{
    openedFolders << folder;
    return true;
}
