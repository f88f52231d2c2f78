// What git answers, read from its bytes: the pure reading, apart from running it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

/// The answers of the `git` program this system reads, as bytes in and values out, so that
/// nothing git (or something in its place) prints can take the reading astray.
namespace GitAntworten {

/// One entry of `git ls-files -u -z`.
struct Konflikteintrag
{
    /// The object's name, hexadecimal (40 digits, or 64 in a SHA-256 repository).
    QByteArray blob;
    /// 1 the common version, 2 ours, 3 theirs.
    int stufe = 0;
    /// As git names it, relative to where it ran, with "/".
    QString pfad;
};

/// The entries of `git ls-files -u -z` ("mode blob stage\tpath\0"...). A record that is not
/// of this form is passed over.
QVector<Konflikteintrag> konflikte(const QByteArray& ausgabe);

/// The one path of `git rev-parse --absolute-git-dir` or `--git-path`: the line without its
/// line break, kept as it is (a folder may end in a blank). Null for anything else.
QString pfad(const QByteArray& ausgabe);

/// `git rev-parse --is-inside-work-tree`: "true" or "false"; nothing for anything else.
std::optional<bool> wahrheit(const QByteArray& ausgabe);

} // namespace GitAntworten
