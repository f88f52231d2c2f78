// One string of a PO file: read from its quotes with C's escapes, and written so.
#include "PoZeichenkette.h"

QString PoZeichenkette::lesen(QByteArrayView zeile, QByteArray& ziel)
{
    qsizetype i = 0;
    while (i < zeile.size() && (zeile[i] == ' ' || zeile[i] == '\t'))
        ++i;
    if (i >= zeile.size() || zeile[i] != '"')
        return QStringLiteral("Hier fehlt ein Text in Anführungszeichen");
    ++i;
    for (;;) {
        if (i >= zeile.size())
            return QStringLiteral("Das schließende Anführungszeichen fehlt");
        const char c = zeile[i++];
        if (c == '"')
            break;
        if (c != '\\') {
            ziel.append(c);
            continue;
        }
        if (i >= zeile.size())
            return QStringLiteral("Das schließende Anführungszeichen fehlt");
        const char e = zeile[i++];
        switch (e) {
        case 'n':
            ziel.append('\n');
            break;
        case 't':
            ziel.append('\t');
            break;
        case 'r':
            ziel.append('\r');
            break;
        case 'a':
            ziel.append('\a');
            break;
        case 'b':
            ziel.append('\b');
            break;
        case 'f':
            ziel.append('\f');
            break;
        case 'v':
            ziel.append('\v');
            break;
        case '\\':
        case '"':
        case '\'':
        case '?':
            ziel.append(e);
            break;
        case 'x': {
            int wert = 0;
            int ziffern = 0;
            while (i < zeile.size() && ziffern < 2 && std::isxdigit(uchar(zeile[i]))) {
                wert = wert * 16 + QByteArray(1, zeile[i]).toInt(nullptr, 16);
                ++i;
                ++ziffern;
            }
            if (ziffern == 0)
                return QStringLiteral("Nach \\x fehlt eine Hexadezimalzahl");
            ziel.append(char(wert));
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                int wert = e - '0';
                for (int n = 1; n < 3 && i < zeile.size() && zeile[i] >= '0' && zeile[i] <= '7';
                     ++n)
                    wert = wert * 8 + (zeile[i++] - '0');
                ziel.append(char(wert & 0xff));
                break;
            }
            return QStringLiteral("Die Escape-Sequenz \\%1 gibt es nicht")
                .arg(QString::fromLatin1(&e, 1));
        }
    }
    for (; i < zeile.size(); ++i)
        if (zeile[i] != ' ' && zeile[i] != '\t')
            return QStringLiteral("Nach dem schließenden Anführungszeichen steht noch etwas");
    return {};
}

void PoZeichenkette::escapen(QByteArray& aus, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        switch (c) {
        case '\\':
            aus.append("\\\\");
            break;
        case '"':
            aus.append("\\\"");
            break;
        case '\n':
            aus.append("\\n");
            break;
        case '\t':
            aus.append("\\t");
            break;
        case '\r':
            aus.append("\\r");
            break;
        default:
            if (uchar(c) < 0x20) {
                const char oktal[] = {'\\', char('0' + ((uchar(c) >> 6) & 7)),
                                      char('0' + ((uchar(c) >> 3) & 7)),
                                      char('0' + (uchar(c) & 7))};
                aus.append(oktal, 4);
            } else {
                aus.append(c);
            }
        }
    }
}
