#pragma once

#include "platform/Desktop.h"

#include <QVector>
#include <deque>
#include <functional>

/// A desktop without a person: answers come from a queue, every request is recorded so
/// that a test can check the exact texts, and nothing ever waits for input.
class ScriptedDesktop : public Desktop
{
public:
    struct Request
    {
        enum class Kind
        {
            Open,
            Save,
            Message
        };
        Kind kind;
        QString title;
        QString text; // message text
        QString filter;
        QString folder;
        QString preset;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };
    struct Start
    {
        QString program;
        QStringList arguments;
    };

    /// The next file dialog returns this path ("" = cancelled).
    void answerFile(const QString& path);
    /// The next message box returns this button.
    void answerMessage(QMessageBox::StandardButton button);
    /// The next modal window is handed to this driver, then closed.
    void driveModal(std::function<void(QDialog&)> driver);

    QString chooseFile(QWidget* parent, const FileRequest& request) override;
    QMessageBox::StandardButton message(QWidget* parent, const MessageRequest& request) override;
    void showModal(QDialog& dialog) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool openFolder(const QString& folder) override;

    QVector<Request> requests;
    QVector<Start> starts;
    QStringList openedFolders;
    /// Requests nobody queued an answer for; a test fails when this is not empty.
    QStringList unexpected;
    /// Answers still queued; a test fails when one was not used.
    int pendingAnswers() const { return int(answers.size() + drivers.size()); }

private:
    struct Answer
    {
        bool isFile;
        QString path;
        QMessageBox::StandardButton button;
    };
    std::deque<Answer> answers;
    std::deque<std::function<void(QDialog&)>> drivers;
};
