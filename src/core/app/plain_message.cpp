#include "core/app/plain_message.h"

#include <cstdio>

namespace trivanto {

void StderrPlainMessageBox::show(const QString& title, const QString& text) {
    const QByteArray line = (title + QStringLiteral(": ") + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
}

}  // namespace trivanto
