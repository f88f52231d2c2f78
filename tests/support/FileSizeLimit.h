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
    explicit FileSizeLimit(rlim_t bytes) : signalVorher(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &vorher);
        rlimit knapp = vorher;
        knapp.rlim_cur = bytes;
        aktiv = setrlimit(RLIMIT_FSIZE, &knapp) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signalVorher);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return aktiv; }

private:
    rlimit vorher{};
    void (*signalVorher)(int);
    bool aktiv = false;
};
#endif
