#include <QStringDecoder>

#include "source_question.h"

namespace trivanto::cat {

bool decodeUtf8(const QByteArray& bytes, QString* text, int* badLine) {
    QByteArrayView data(bytes);
    if (data.startsWith("\xEF\xBB\xBF")) {
        data = data.sliced(3);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = decoder.decode(data);
    if (!decoder.hasError()) {
        return true;
    }
    // Find the first line that does not decode on its own.
    int line = 1;
    qsizetype start = 0;
    while (start <= data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0) {
            end = data.size();
        }
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        (void)QString(lineDecoder.decode(data.sliced(start, end - start)));
        if (lineDecoder.hasError()) {
            break;
        }
        ++line;
        start = end + 1;
    }
    *badLine = line;
    return false;
}

}  // namespace trivanto::cat
