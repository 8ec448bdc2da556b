#include "core/update/ini_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cstring>
#include <vector>

#include "core/common/regular_file.h"
#include "core/common/save_file.h"
#include "core/text/cp1252.h"

namespace trivanto {
namespace {

constexpr char kEndOfFileMark = 26;

struct Section {
    QString name;
    std::vector<QString> lines;
};

QString cut(const QString& text) {
    return text.size() > TIniDocument::kMaxText ? text.left(TIniDocument::kMaxText) : text;
}

QString withoutLineBreaks(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// The name of a line is the text before its first "="; a key holding "=" names no line.
bool lineHasName(const QString& line, const QString& key) {
    const qsizetype n = key.size();
    return line.size() > n && line.at(n) == QLatin1Char('=') &&
           QStringView(line).left(n).compare(key, Qt::CaseInsensitive) == 0 &&
           !key.contains(QLatin1Char('='));
}

}  // namespace

struct TIniDocument::Impl {
    QString fileName;
    std::vector<Section> sections;
    // Case-folded name -> index in `sections`. Names are unique (duplicates are dropped on
    // load), so the one hit is also the first match of a walk that starts at the cursor.
    QHash<QString, int> index;
    int cursor = 0;
    bool changed = false;
    bool loadFailed = false;
    QString error;

    int findSection(const QString& name) {
        const auto it = index.constFind(name.toCaseFolded());
        if (it == index.constEnd()) {
            return -1;
        }
        cursor = it.value();
        return cursor;
    }

    int addSection(const QString& name) {
        sections.push_back(Section{name, {}});
        const int at = int(sections.size()) - 1;
        index.insert(name.toCaseFolded(), at);
        return at;
    }

    void clear() {
        sections.clear();
        index.clear();
        cursor = 0;
        changed = false;
    }

    void parse(const QByteArray& bytes) {
        clear();
        const char* data = bytes.constData();
        const qsizetype size = bytes.size();
        Section* current = nullptr;  // null before the first section and in dropped duplicates
        qsizetype pos = 0;
        while (pos < size) {
            qsizetype end = pos;
            while (end < size && data[end] != '\n' && data[end] != '\r') {
                ++end;
            }
            const char* line = data + pos;
            const qsizetype length = std::min<qsizetype>(end - pos, kMaxText);
            pos = end;
            if (pos < size) {
                pos += (data[pos] == '\r' && pos + 1 < size && data[pos + 1] == '\n') ? 2 : 1;
            }
            if (length == 0 || (length == 1 && line[0] == kEndOfFileMark)) {
                continue;
            }
            if (length >= 2 && line[0] == '[' && line[length - 1] == ']') {
                const QString name = fromCp1252(line + 1, length - 2);
                if (index.contains(name.toCaseFolded())) {
                    current = nullptr;  // the first section of a name wins
                } else {
                    current = &sections[size_t(addSection(name))];
                }
                continue;
            }
            if (current != nullptr) {
                current->lines.push_back(fromCp1252(line, length));
            }
        }
        changed = false;
    }

    QByteArray serialise() const {
        QByteArray out;
        out.reserve(qsizetype(sections.size()) * 64);
        for (const Section& section : sections) {
            if (section.lines.empty()) {
                continue;
            }
            out += '[';
            out += toCp1252(section.name);
            out += "]\r\n";
            for (const QString& line : section.lines) {
                out += toCp1252(line);
                out += "\r\n";
            }
            out += "\r\n";
        }
        return out;
    }
};

TIniDocument::TIniDocument(const QString& fileName) : m_impl(std::make_unique<Impl>()) {
    m_impl->fileName = fileName;
    if (fileName.isEmpty()) {
        return;
    }
    const QFileInfo info(fileName);
    if (!info.exists()) {
        return;
    }
    // A FIFO would block the reader until someone writes to it.
    const QString problem = nonRegularFileProblem(fileName);
    QFile file(fileName);
    if (!problem.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        m_impl->loadFailed = true;
        m_impl->error = QStringLiteral("%1: cannot be read: %2")
                            .arg(QDir::toNativeSeparators(fileName),
                                 problem.isEmpty() ? file.errorString() : problem);
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_impl->loadFailed = true;
        m_impl->error = QStringLiteral("%1: cannot be read: %2")
                            .arg(QDir::toNativeSeparators(fileName), file.errorString());
        return;
    }
    m_impl->parse(bytes);
}

TIniDocument::~TIniDocument() {
    // A caller that cares about the outcome flushes first; here nothing is left to tell.
    static_cast<void>(Flush());
}

void TIniDocument::loadFromBytes(const QByteArray& bytes) {
    m_impl->loadFailed = false;
    m_impl->error.clear();
    m_impl->parse(bytes);
}

QString TIniDocument::ReadValue(const QString& section, const QString& key,
                                const QString& fallback) {
    const int at = m_impl->findSection(cut(section));
    if (at < 0) {
        return fallback;
    }
    const QString name = cut(key);
    for (const QString& line : m_impl->sections[size_t(at)].lines) {
        if (lineHasName(line, name)) {
            return line.mid(name.size() + 1, kMaxText);
        }
    }
    return fallback;
}

void TIniDocument::WriteValue(const QString& section, const QString& key, const QString& value) {
    const QString sectionName = withoutLineBreaks(cut(section));
    const QString name = withoutLineBreaks(cut(key));
    const QString line = cut(name + QLatin1Char('=') + withoutLineBreaks(value));
    int at = m_impl->findSection(sectionName);
    if (at < 0) {
        at = m_impl->addSection(sectionName);
        m_impl->cursor = at;
    }
    auto& lines = m_impl->sections[size_t(at)].lines;
    for (QString& stored : lines) {
        if (lineHasName(stored, name)) {
            if (stored != line) {
                stored = line;
                m_impl->changed = true;
            }
            return;
        }
    }
    lines.push_back(line);
    m_impl->changed = true;
}

Status TIniDocument::Flush() {
    if (!m_impl->changed || m_impl->fileName.isEmpty()) {
        return Status::success();
    }
    const QString shown = QDir::toNativeSeparators(m_impl->fileName);
    if (m_impl->loadFailed) {
        // Writing now would replace a file we never read with the few values set since.
        m_impl->error = QStringLiteral("%1: not written, it could not be read before").arg(shown);
        return Status::failure(m_impl->error);
    }
    if (const Status saved = saveWholeFile(m_impl->fileName, m_impl->serialise()); !saved.ok()) {
        m_impl->error = saved.error();
        return saved;
    }
    m_impl->changed = false;
    return Status::success();
}

QByteArray TIniDocument::toBytes() const {
    return m_impl->serialise();
}

bool TIniDocument::hasSection(const QString& section) const {
    return m_impl->index.contains(cut(section).toCaseFolded());
}

bool TIniDocument::isChanged() const {
    return m_impl->changed;
}

int TIniDocument::sectionCount() const {
    return int(m_impl->sections.size());
}

QString TIniDocument::errorString() const {
    return m_impl->error;
}

}  // namespace trivanto
