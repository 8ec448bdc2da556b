// Runs a fuzz target over the files of its seed folders, without libFuzzer: the test suite
// checks every seed with the ordinary compiler. A broken invariant aborts, as under fuzzing.
#include <cstdint>
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QStringList files;
        if (QFileInfo(path).isDir()) {
            const QDir dir(path);
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
                files.append(dir.filePath(name));
            }
        } else {
            files.append(path);
        }
        for (const QString& file : files) {
            QFile input(file);
            if (!input.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
                return 1;
            }
            const QByteArray bytes = input.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                   size_t(bytes.size()));
            ++inputs;
        }
    }
    std::printf("%d inputs passed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
