#pragma once

#include <csignal>
#include <sys/resource.h>

// Holds the size of files this process writes to Limit bytes while it lives (root included); writing
// past it then writes short instead of raising a signal, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t Limit)
    {
        getrlimit(RLIMIT_FSIZE, &m_Previous);
        m_PreviousSignal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { Limit, m_Previous.rlim_max };
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_Previous);
        std::signal(SIGXFSZ, m_PreviousSignal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_Previous {};
    void (*m_PreviousSignal)(int) { nullptr };
};
