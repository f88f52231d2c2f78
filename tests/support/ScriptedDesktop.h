#pragma once

#include "platform/Desktop.h"
#include "platform/Papierkorb.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <variant>

/// A desktop without a person: answers come from a queue, every request is recorded so
/// that a test can check the exact texts, and nothing ever waits for input.
class ScriptedDesktop : public Desktop
{
public:
    using Driver = std::function<void(QDialog&)>;
    /// The next file dialogs return these paths ("" = cancelled), the next message boxes
    /// these buttons, the next program starts or opened folders these results, in the order
    /// given. A start or a folder with no result queued works.
    template <typename... A> void answer(const A&... a) { (answers.push_back(Answer(a)), ...); }
    /// The next modal window is handed to this driver, then closed.
    void driveModal(const Driver& d) { answers.push_back(d); }

    QString chooseFile(QWidget*, const FileRequest& request) override
    {
        using Mode = FileRequest::Mode;
        dialogs << QStringList{request.mode == Mode::Save     ? "Speichern"
                               : request.mode == Mode::Folder ? "Ordner"
                                                              : "Öffnen",
                               request.title, request.filter, request.folder, request.preset}
                       .join(" | ");
        return next<QString>("file dialog " + request.title, QString());
    }
    QMessageBox::StandardButton message(QWidget*, const MessageRequest& request) override
    {
        messages.append(request);
        return next<QMessageBox::StandardButton>("message " + request.text, QMessageBox::Cancel);
    }
    /// Takes the next queued text ("" for a typed empty text; use cancelText to cancel).
    QString askText(QWidget*, const TextRequest& request) override
    {
        texts << request.label + " | " + request.text;
        const QString t = next<QString>("text question " + request.label, QString());
        return t == cancelText ? QString() : t;
    }
    /// Queued for a text question, it is cancelled.
    inline static const QString cancelText = QStringLiteral("\u0001abgebrochen");

    void showModal(QDialog& dialog) override
    {
        if (const Driver driver = next<Driver>("modal window " + dialog.objectName(), {})) {
            dialog.show();
            driver(dialog);
            dialog.close();
        }
    }
    DesktopResult startProgram(const QString& program, const QStringList& arguments) override
    {
        starts.append(QStringList(program) + arguments);
        return outcome();
    }
    DesktopResult openFolder(const QString& folder) override
    {
        openedFolders << folder;
        return outcome();
    }
    /// The real trash, unless the test takes it away.
    bool moveToTrash(const QString& path) override
    {
        return !noTrash && Papierkorb::verschieben(path);
    }
    bool noTrash = false;
    /// The real git, each call recorded; `fehlt` makes it a machine without git.
    struct AufgezeichnetesGit : GitProgramm
    {
        Ergebnis ausfuehren(const QString& ordner, const QStringList& argumente) override
        {
            aufrufe << argumente;
            return fehlt ? Ergebnis() : GitProgramm::ausfuehren(ordner, argumente);
        }
        QVector<QStringList> aufrufe;
        bool fehlt = false;
    };
    GitProgramm& git() override { return gitProgramm; }
    AufgezeichnetesGit gitProgramm;
    /// The real gettext, each call recorded; `fehlt` makes it a machine without gettext.
    struct AufgezeichnetesGettext : GettextProgramm
    {
        Ergebnis ausfuehren(const QString& programm, const QStringList& argumente) override
        {
            aufrufe << (QStringList{programm} + argumente);
            return fehlt ? Ergebnis() : GettextProgramm::ausfuehren(programm, argumente);
        }
        QVector<QStringList> aufrufe;
        bool fehlt = false;
    };
    GettextProgramm& gettext() override { return gettextProgramm; }
    AufgezeichnetesGettext gettextProgramm;

    /// Each file dialog in one line: whether it saves, title, filter, folder and preset.
    QStringList dialogs;
    QVector<MessageRequest> messages;
    /// Each text question: what it asked and what its box held.
    QStringList texts;
    /// Each program started, followed by its arguments.
    QVector<QStringList> starts;
    QStringList openedFolders;
    /// Requests nobody queued an answer for; a test fails when this is not empty, or when
    /// an answer is left.
    QStringList unexpected;
    using Answer = std::variant<QString, QMessageBox::StandardButton, Driver, DesktopResult>;
    std::deque<Answer> answers;

    template <typename T> T next(const QString& what, T otherwise)
    {
        if (answers.empty() || !std::holds_alternative<T>(answers.front())) {
            unexpected << what;
            return otherwise;
        }
        const T a = std::get<T>(answers.front());
        answers.pop_front();
        return a;
    }
    DesktopResult outcome()
    {
        const bool queued =
            !answers.empty() && std::holds_alternative<DesktopResult>(answers.front());
        return queued ? next<DesktopResult>({}, {}) : DesktopResult();
    }
};
