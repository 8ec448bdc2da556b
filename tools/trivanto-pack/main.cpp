// trivanto-pack: the publisher's tool. Turns a folder of groups and package files into what the
// update server serves: the update catalogue, one zip archive per package (with its size, date
// and SHA-256 in the catalogue) and the banner.
#include <QDateTime>
#include <QProcessEnvironment>
#include <QStringList>
#include <cstdio>

#include "publish.h"
#include "source_tree.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitProblems = 1;
constexpr int kExitUsage = 2;

const char kUsage[] =
    "Usage:\n"
    "  trivanto-pack SOURCE -o OUTPUT [--language englisch|deutsch]\n"
    "      SOURCE holds one folder per group of the update list; in it every file, and every\n"
    "      folder of files, is one package. Optional: SOURCE/head.ini ([Head] Info,\n"
    "      MessageText, MessageWidth, MessageWordWrap), SOURCE/banner.gif, and per group\n"
    "      group.ini ([Group] Name, Expanded; a section per package: Name, Text, Start).\n"
    "      Writes OUTPUT/Orvalquest/ (englisch, the default) or OUTPUT/orvalquest/ (deutsch):\n"
    "      update.ar2 or update.ar1, the package archives and banner.ar2 or banner.ar1.\n"
    "      Serve OUTPUT as static files and start the game with --update-host HOST[:PORT].\n"
    "  trivanto-pack --help\n"
    "Exit status: 0 written, 1 problems (nothing of the catalogue written), 2 wrong command "
    "line.\n"
    "SOURCE_DATE_EPOCH fixes the time stored in the archives and shown as their date.\n";

void printLine(FILE* stream, const QString& line) {
    std::fputs(line.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

int usageError(const QString& why) {
    printLine(stderr, QStringLiteral("trivanto-pack: %1 (see trivanto-pack --help)").arg(why));
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace trivanto;
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    pack::PublishOptions options;
    QString source;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QStringLiteral("-o") || arg == QStringLiteral("--language")) {
            if (i + 1 >= args.size()) {
                return usageError(arg + QStringLiteral(" needs a value"));
            }
            const QString value = args.at(++i);
            if (arg == QStringLiteral("-o")) {
                options.output = value;
            } else if (value == QStringLiteral("englisch")) {
                options.language = Language::Englisch;
            } else if (value == QStringLiteral("deutsch")) {
                options.language = Language::Deutsch;
            } else {
                return usageError(QStringLiteral("unknown language \"%1\"").arg(value));
            }
        } else if (arg.startsWith(QLatin1Char('-')) || !source.isEmpty()) {
            return usageError(QStringLiteral("unexpected \"%1\"").arg(arg));
        } else {
            source = arg;
        }
    }
    if (source.isEmpty() || options.output.isEmpty()) {
        return usageError(QStringLiteral("SOURCE and -o OUTPUT are needed"));
    }
    const QString epoch =
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("SOURCE_DATE_EPOCH"));
    if (!epoch.isEmpty()) {
        bool ok = false;
        const qint64 seconds = epoch.toLongLong(&ok);
        if (!ok || seconds < 315532800) {  // zip times start in 1980
            return usageError(QStringLiteral("SOURCE_DATE_EPOCH is not a time after 1980"));
        }
        options.fixedTime = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
    }

    QStringList problems;
    QStringList warnings;
    const pack::SourceTree tree = pack::readSourceTree(source, problems, warnings);
    QStringList report;
    const bool written = problems.isEmpty() && pack::publish(tree, options, report, problems);
    for (const QString& line : warnings) {
        printLine(stderr, QStringLiteral("warning: ") + line);
    }
    for (const QString& line : problems) {
        printLine(stderr, line);
    }
    for (const QString& line : report) {
        printLine(stdout, line);
    }
    return written ? kExitOk : kExitProblems;
}
