#include "core/update/file_name_policy.h"

#include <QStringList>

namespace trivanto {
namespace {

constexpr qsizetype kMaxNameBytes = 255;

bool isControl(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7f && u <= 0x9f) || c.category() == QChar::Other_Format ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
           c == QChar::ReplacementCharacter;
}

bool hasControl(const QString& text) {
    for (const QChar c : text) {
        if (isControl(c)) {
            return true;
        }
    }
    return false;
}

// Extensions of files that run, load into a program, or hold settings.
const QStringList& programExtensions() {
    static const QStringList extensions = {
        QStringLiteral("exe"),     QStringLiteral("dll"),  QStringLiteral("so"),
        QStringLiteral("dylib"),   QStringLiteral("com"),  QStringLiteral("bat"),
        QStringLiteral("cmd"),     QStringLiteral("scr"),  QStringLiteral("msi"),
        QStringLiteral("cpl"),     QStringLiteral("lnk"),  QStringLiteral("ps1"),
        QStringLiteral("vbs"),     QStringLiteral("sh"),   QStringLiteral("bash"),
        QStringLiteral("py"),      QStringLiteral("pl"),   QStringLiteral("run"),
        QStringLiteral("bin"),     QStringLiteral("jar"),  QStringLiteral("appimage"),
        QStringLiteral("desktop"), QStringLiteral("conf"), QStringLiteral("ini"),
        QStringLiteral("cfg"),     QStringLiteral("lock"), QStringLiteral("service"),
        QStringLiteral("a"),       QStringLiteral("o"),    QStringLiteral("sav"),
    };
    return extensions;
}

}  // namespace

NameProblem plainFileNameProblem(const QString& name) {
    if (name.isEmpty()) {
        return QStringLiteral("empty name");
    }
    if (hasControl(name)) {
        return QStringLiteral("control characters in the name");
    }
    if (name == QStringLiteral(".") || name == QStringLiteral("..")) {
        return QStringLiteral("\"%1\" names a folder").arg(name);
    }
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        return QStringLiteral("a path instead of a file name");
    }
    if (name.contains(QLatin1Char(':'))) {
        return QStringLiteral("a drive or device name");
    }
    if (name.startsWith(QLatin1Char('.'))) {
        return QStringLiteral("a hidden file");
    }
    if (name.trimmed() != name) {
        return QStringLiteral("blanks at the start or end of the name");
    }
    if (name.toUtf8().size() > kMaxNameBytes) {
        return QStringLiteral("name too long");
    }
    return {};
}

bool isProgramOwnFile(const QString& name) {
    const QString lower = name.toLower();
    // Libraries with a version after ".so" ("libzip.so.4").
    if (lower.contains(QStringLiteral(".so."))) {
        return true;
    }
    const qsizetype dot = lower.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == lower.size() - 1) {
        return true;  // no extension: how the programs are named on this system
    }
    if (lower.startsWith(QStringLiteral("trivanto-"))) {
        return true;  // the tools, whatever follows
    }
    return programExtensions().contains(lower.mid(dot + 1));
}

ArchiveEntryTarget archiveEntryTarget(const QString& storedName) {
    ArchiveEntryTarget target;
    auto skip = [&](QString reason) {
        target.kind = ArchiveEntryTarget::Kind::Skip;
        target.reason = std::move(reason);
        return target;
    };
    if (storedName.isEmpty()) {
        return skip(QStringLiteral("empty name"));
    }
    if (hasControl(storedName)) {
        return skip(QStringLiteral("control characters in the name"));
    }
    if (storedName.contains(QLatin1Char('\\'))) {
        return skip(QStringLiteral("backslash in the name"));
    }
    if (storedName.startsWith(QLatin1Char('/'))) {
        return skip(QStringLiteral("absolute path"));
    }
    if (storedName.contains(QLatin1Char(':'))) {
        return skip(QStringLiteral("a drive or device name"));
    }
    const bool folder = storedName.endsWith(QLatin1Char('/'));
    const QStringList parts = (folder ? storedName.chopped(1) : storedName).split(QLatin1Char('/'));
    for (const QString& part : parts) {
        if (part.isEmpty() || part == QStringLiteral(".") || part == QStringLiteral("..")) {
            return skip(QStringLiteral("\".\", \"..\" or an empty part in the path"));
        }
    }
    if (folder) {
        target.kind = ArchiveEntryTarget::Kind::Folder;
        return target;
    }
    const QString& fileName = parts.last();
    if (const NameProblem problem = plainFileNameProblem(fileName); !problem.isEmpty()) {
        return skip(problem);
    }
    if (isProgramOwnFile(fileName)) {
        return skip(QStringLiteral("one of the program's own files"));
    }
    target.kind = ArchiveEntryTarget::Kind::File;
    target.fileName = fileName;
    return target;
}

NameProblem packageFileNameProblem(const QString& name) {
    if (const NameProblem problem = plainFileNameProblem(name); !problem.isEmpty()) {
        return problem;
    }
    if (isProgramOwnFile(name)) {
        return QStringLiteral("one of the program's own files");
    }
    return {};
}

}  // namespace trivanto
