// trivanto-cat: the question authors' tool. Dumps a category file as JSON, builds one from a
// JSON or CSV source, exports one back to such a source, and checks category files for
// everything the game would stumble over. The rules and formats live in the core, which the
// question editor shares.
#include <QStringList>

#include "commands.h"

namespace {

const char kUsage[] =
    "Usage:\n"
    "  trivanto-cat dump FILE.trv              print the title and questions as JSON\n"
    "  trivanto-cat build SOURCE -o FILE.trv   build a category from SOURCE (.json or .csv);\n"
    "                                          the title is the output name without .trv\n"
    "  trivanto-cat export FILE.trv -o SOURCE  write the category as a source (.json or .csv)\n"
    "                                          that build turns back into the same questions\n"
    "  trivanto-cat check FILE.trv...          report every problem of each file, and notes\n"
    "                                          (advice that does not count as a problem)\n"
    "  trivanto-cat --help                     this text\n"
    "Exit status: 0 done and clean, 1 problems found or a file failed, 2 wrong command line.\n"
    "Texts are UTF-8; SOURCE_DATE_EPOCH fixes the save time stored by build.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace trivanto::cat;
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    if (args.isEmpty()) {
        printError(QStringLiteral("trivanto-cat: no command given (see trivanto-cat --help)"));
        return kExitUsage;
    }
    const QString command = args.takeFirst();
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h") ||
        command == QStringLiteral("help")) {
        printOut(kUsage);
        return kExitOk;
    }
    if (command == QStringLiteral("dump")) {
        if (args.size() != 1) {
            printError(QStringLiteral("trivanto-cat: dump needs exactly one FILE.trv"));
            return kExitUsage;
        }
        return runDump(args.front());
    }
    if (command == QStringLiteral("build") || command == QStringLiteral("export")) {
        const bool build = command == QStringLiteral("build");
        const qsizetype flag = args.indexOf(QStringLiteral("-o"));
        if (flag < 0 || flag + 1 >= args.size() || args.size() != 3) {
            printError(build ? QStringLiteral("trivanto-cat: build needs SOURCE and -o FILE.trv")
                             : QStringLiteral("trivanto-cat: export needs FILE.trv and -o SOURCE"));
            return kExitUsage;
        }
        const QString output = args.at(flag + 1);
        args.remove(flag, 2);
        return build ? runBuild(args.front(), output) : runExport(args.front(), output);
    }
    if (command == QStringLiteral("check")) {
        if (args.isEmpty()) {
            printError(QStringLiteral("trivanto-cat: check needs at least one FILE.trv"));
            return kExitUsage;
        }
        return runCheck(args);
    }
    printError(QStringLiteral("trivanto-cat: unknown command \"%1\" (see trivanto-cat --help)")
                   .arg(command));
    return kExitUsage;
}
