// Saves a large room or item script over and over, alternating two versions, the way the
// editor saves: until it is killed. Says "los" once it has begun.
#include "GrosseDateien.h"
#include "roomfile/TextFile.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const bool raum = std::strcmp(argv[1], "raum") == 0;
    const QByteArray fassungen[] = {raum ? grosserRaum(0) : grossesSkript(0),
                                    raum ? grosserRaum(1) : grossesSkript(1)};
    const QString ziel = QString::fromLocal8Bit(argv[2]);
    std::puts("los");
    std::fflush(stdout);
    for (int i = 1;; i ^= 1) {
        if (!TextFile::write(ziel, fassungen[i]))
            return 1;
    }
}
