#include "support/small_disk.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <QFile>
#include <csignal>
#include <cstring>

#include <cerrno>

namespace trivanto {

SmallDisk::SmallDisk(long long bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_oldLimit = limit.rlim_cur;
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

SmallDisk::~SmallDisk() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(m_oldLimit);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_oldHandler);
}

QString SmallDisk::reason() {
    return QString::fromLocal8Bit(std::strerror(EFBIG));
}

bool makeFifo(const QString& path) {
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

}  // namespace trivanto
