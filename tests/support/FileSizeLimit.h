#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>

/// While it lives, writes beyond `bytes` fail the way they do on a full disk. Unlike
/// permissions, the limit also stops root, so the tests hold when run as root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &vorher);
        const rlimit knapp{bytes, vorher.rlim_max};
        aktiv = setrlimit(RLIMIT_FSIZE, &knapp) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signalVorher);
    }
    bool active() const { return aktiv; }

private:
    void (*signalVorher)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit vorher{};
    bool aktiv = false;
};
#endif
