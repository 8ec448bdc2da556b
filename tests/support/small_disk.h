#pragma once

#include <QString>

namespace trivanto {

// A disk that takes no file larger than `bytes` for as long as it lives: every write beyond
// that fails with the system's "File too large", as writes to a full disk fail with "No space
// left on device". It limits this process's file size (RLIMIT_FSIZE) and ignores the signal
// that limit raises; both are restored at the end. Tests run one per process, so nothing else
// writes meanwhile.
class SmallDisk final {
public:
    explicit SmallDisk(long long bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // The system's words for a write that does not fit.
    static QString reason();

private:
    unsigned long long m_oldLimit = 0;
    void (*m_oldHandler)(int) = nullptr;
};

// Makes a FIFO at `path`; false when the system refuses. Opening it to read would wait for a
// writer, so any reader that opens it hangs.
bool makeFifo(const QString& path);

}  // namespace trivanto
