#pragma once

#include "git/GitProgramm.h"
#include "texte/GettextProgramm.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

/// A file dialog as the windows ask for it.
struct FileRequest
{
    enum class Mode
    {
        Open,
        Save,
        /// A folder is chosen; the filter and the preset are not used.
        Folder
    };
    Mode mode = Mode::Open;
    QString title;
    /// Written as "Description|*.a;*.b".
    QString filter;
    QString folder;
    /// File name offered at the start: a bare name, a full path, or empty.
    QString preset;
};

/// A message box as the windows ask for it.
struct MessageRequest
{
    QString text;
    QString title = QStringLiteral("Tarnholm - Editor");
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

/// A one-line text asked for, as the windows ask for it.
struct TextRequest
{
    QString title = QStringLiteral("Tarnholm - Editor");
    /// What is asked, above the box.
    QString label;
    /// What the box holds at first.
    QString text;
};

/// What became of a program start or a folder opened: done, or what went wrong, in the
/// system's own words where it gave any.
struct DesktopResult
{
    enum class Kind
    {
        Done,
        /// The program file or the folder is not there (`subject`).
        Missing,
        /// A command started by name is not on the PATH (`subject`).
        CommandMissing,
        /// The system would not start or open it (`reason`, possibly empty).
        Refused
    };
    Kind kind = Kind::Done;
    QString subject;
    QString reason;

    bool done() const { return kind == Kind::Done; }
};

/// Everything the windows ask of the desktop: dialogs, message boxes, modal windows and
/// other programs. Windows receive it by reference, so a test can hand in a scripted one.
class Desktop
{
public:
    virtual ~Desktop() = default;

    /// The chosen file's (or folder's) full path, or the empty text when the dialog was
    /// cancelled.
    virtual QString chooseFile(QWidget* parent, const FileRequest& request) = 0;
    virtual QMessageBox::StandardButton message(QWidget* parent, const MessageRequest& request) = 0;
    /// The text the author typed, or the null text when the question was cancelled.
    virtual QString askText(QWidget* parent, const TextRequest& request) = 0;
    /// Shows the window modally and returns when it has been closed.
    virtual void showModal(QDialog& dialog) = 0;
    /// Starts a program (a path, or a command looked up on the PATH) without a shell and
    /// without waiting for it.
    virtual DesktopResult startProgram(const QString& program, const QStringList& arguments) = 0;
    /// Opens a folder in the desktop's file browser.
    virtual DesktopResult openFolder(const QString& folder) = 0;
    /// Moves a file into the desktop's trash (the recycle bin on Windows), from where the
    /// author can bring it back. False where the platform has no trash for it.
    virtual bool moveToTrash(const QString& path) = 0;
    /// The git program, the one outside program whose answers the editor reads.
    virtual GitProgramm& git() = 0;
    /// gettext's programs, for the translations.
    virtual GettextProgramm& gettext() = 0;

    /// A warning with an OK button under the application's title.
    void warn(QWidget* parent, const QString& text);
};

/// The real desktop, through Qt.
class QtDesktop : public Desktop
{
public:
    QString chooseFile(QWidget* parent, const FileRequest& request) override;
    QMessageBox::StandardButton message(QWidget* parent, const MessageRequest& request) override;
    QString askText(QWidget* parent, const TextRequest& request) override;
    void showModal(QDialog& dialog) override;
    DesktopResult startProgram(const QString& program, const QStringList& arguments) override;
    DesktopResult openFolder(const QString& folder) override;
    bool moveToTrash(const QString& path) override;
    GitProgramm& git() override { return gitProgramm; }
    GettextProgramm& gettext() override { return gettextProgramm; }

private:
    GitProgramm gitProgramm;
    GettextProgramm gettextProgramm;
};

/// "Description|*.a;*.b" in Qt's form, "Description (*.a *.b)".
QString qtNameFilter(const QString& filter);
