// Loads arbitrary bytes as an INI document, checks that what it would write reads back the same,
// then looks up and writes values named by the input.
#include <cstdint>
#include <cstdlib>

#include "core/update/ini_document.h"

using namespace trivanto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TIniDocument doc;
    doc.loadFromBytes(bytes);
    // What was read writes back in a form that reads the same.
    const QByteArray written = doc.toBytes();
    TIniDocument again;
    again.loadFromBytes(written);
    if (again.toBytes() != written) {
        std::abort();
    }
    // Names taken from the input reach real sections and keys now and then.
    const QString section = QString::fromLatin1(bytes.left(8));
    const QString key = QString::fromLatin1(bytes.mid(8, 4));
    if (doc.ReadValue(section, key, QStringLiteral("-")).size() > TIniDocument::kMaxText) {
        std::abort();
    }
    doc.WriteValue(section, key.isEmpty() ? QStringLiteral("k") : key,
                   QString::fromLatin1(bytes.right(300)));
    if (doc.ReadValue(section, key.isEmpty() ? QStringLiteral("k") : key, {}).size() >
        TIniDocument::kMaxText) {
        std::abort();
    }
    (void)doc.toBytes();
    return 0;
}
