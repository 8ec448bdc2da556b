#include "core/editor/question_editor.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <optional>

#include "core/app/clock.h"
#include "core/common/file_path.h"
#include "core/common/whole_file.h"
#include "core/editor/editor_finding_text.h"
#include "core/lang/window_texts.h"
#include "core/questions/category_source.h"
#include "core/questions/category_title.h"
#include "core/text/cp1252.h"

namespace trivanto {
namespace {

namespace messages = editor_messages;

// The editor tells the size of a category file in kilobytes; every one has the same size.
const QString kSizeText = QStringLiteral("132 KB");
// At most this many problem lines in the message that refuses an import.
constexpr int kImportProblemLines = 12;

bool isMarker(const QString& text) {
    return text == QLatin1String(kEstimationMarker) || text == QLatin1String(kJokerMarker);
}

// The text as a field stores it: characters the code page lacks become "?", at most 110.
QString storableText(const QString& text) {
    QByteArray bytes = toCp1252(text);
    for (char& byte : bytes) {
        if (!isCp1252Byte(quint8(byte))) {
            byte = '?';
        }
    }
    return fromCp1252(bytes.left(kFieldCapacity));
}

// "Educated Guess" ticked: the answers 2 to 4 hold the marker and answer 1 is the right one.
// Unticked: answers that only held the marker are emptied for the author to fill.
void setEstimationLayout(EditorFields& fields, bool ticked) {
    const QString marker = QLatin1String(kEstimationMarker);
    fields.estimation = ticked;
    if (ticked) {
        fields.answers[1] = fields.answers[2] = fields.answers[3] = marker;
        fields.correct = 1;
    } else if (fields.answers[1] == marker) {
        fields.answers[1].clear();
        fields.answers[2].clear();
        fields.answers[3].clear();
    }
}

bool isComplete(const EditorFields& fields) {
    const auto filled = [](const QString& text) { return !text.trimmed().isEmpty(); };
    if (!filled(fields.question) || !filled(fields.answers[0])) {
        return false;
    }
    // An estimation question has its value alone; the markers fill the rest.
    if (fields.estimation) {
        return true;
    }
    return std::all_of(fields.answers.begin(), fields.answers.end(), filled) &&
           fields.correct >= 1 && fields.correct <= 4;
}

// A category as read, made the way the editor keeps one: used slots 1 to N without a gap
// (a slot after a gap would never reach the game), empty slots empty, no length byte above a
// field's capacity. Texts and order of the questions stay as they were.
std::unique_ptr<TQuestionFile> normalised(const TQuestionFile& read) {
    auto file = std::make_unique<TQuestionFile>();
    file->entries[0] = read.entries[0];
    size_t next = 1;
    for (size_t s = 1; s <= size_t(kSlotCount); ++s) {
        const TQuestionEntry& entry = read.entries[s];
        if (entry.fields[FieldQuestion][0] == 0) {
            continue;
        }
        TQuestionEntry& target = file->entries[next++];
        target = entry;
        for (TQuestionField& field : target.fields) {
            field[0] = std::min<quint8>(field[0], kFieldCapacity);
        }
    }
    return file;
}

QString captionAtStart(Language language) {
    for (const WindowText& text : resolvedWindowTexts(QStringLiteral("TEditorForm"), language)) {
        if (text.objectName == QStringLiteral("FormcaptionLabel") &&
            text.kind == WindowTextKind::Caption) {
            return text.text;
        }
    }
    return {};
}

}  // namespace

EditorFocus nextFocusOnEnter(EditorFocus from, bool estimation) {
    switch (from) {
        case EditorFocus::Question:
            return EditorFocus::Answer1;
        case EditorFocus::Answer1:
            return estimation ? EditorFocus::SaveButton : EditorFocus::Answer2;
        case EditorFocus::Answer2:
            return EditorFocus::Answer3;
        case EditorFocus::Answer3:
            return EditorFocus::Answer4;
        case EditorFocus::Answer4:
            return EditorFocus::FirstRadio;
        case EditorFocus::FirstRadio:
        case EditorFocus::SaveButton:
            break;
    }
    return from;
}

QuestionEditor::QuestionEditor(EditorServices services, QObject* parent)
    : QObject(parent),
      m_services(std::move(services)),
      m_buffer(std::make_unique<TQuestionFile>()) {
    refreshView();
}

QuestionEditor::~QuestionEditor() = default;

int QuestionEditor::showMessage(const EditorMessage& message, const QString& tail) {
    return showEditorMessage(m_services.dialog, m_services.catalogue, message, tail);
}

bool QuestionEditor::hasUnsavedChanges() const {
    return m_currentSlot != 0 && m_fields != m_stored;
}

QStringList QuestionEditor::findingLines() const {
    QStringList lines;
    for (const CategoryFinding& finding : m_findings) {
        lines.append(editorFindingText(finding, m_services.catalogue));
    }
    return lines;
}

EditorFields QuestionEditor::storedFields(int slot) const {
    EditorFields fields;
    if (slot < 1 || slot > m_questionCount) {
        return fields;  // a new question comes up empty, whatever the slot held before
    }
    const PlainQuestion& stored = m_slots[size_t(slot - 1)];
    fields.question = stored.question;
    fields.answers = stored.answers;
    fields.estimation = stored.kind == QuestionKind::Estimation;
    if (fields.estimation) {
        setEstimationLayout(fields, true);
    } else if (stored.correct.size() == 1 && stored.correct[0] >= QLatin1Char('1') &&
               stored.correct[0] <= QLatin1Char('4')) {
        fields.correct = stored.correct[0].unicode() - u'0';
    }
    return fields;
}

void QuestionEditor::DatensatzAnzeigen() {
    m_fields = storedFields(m_currentSlot);
    m_stored = m_fields;
    refreshChangedText();
    update();
    if (m_currentSlot == kSlotCount) {
        showMessage(messages::kCategoryFull);
    }
}

QuestionEditor::SaveOutcome QuestionEditor::DatenSpeichern() {
    if (m_currentSlot == 0) {
        return SaveOutcome::NoCategory;
    }
    const EditorFields& f = m_fields;
    if (f.estimation && !f.answers[0].isEmpty() && !isEstimateValue(f.answers[0])) {
        showMessage(messages::kEstimateAnswerInteger);
        return SaveOutcome::Refused;
    }
    if (!isComplete(f)) {
        showMessage(messages::kQuestionIncomplete);
        return SaveOutcome::Incomplete;
    }
    // The game would take the question for an estimation question or a joker.
    if (!f.estimation && isMarker(f.answers[1])) {
        showMessage(messages::kAnswerIsMarker);
        return SaveOutcome::Refused;
    }
    PlainQuestion question = plainOfFields(m_currentSlot);
    question.question = storableText(question.question);
    for (QString& answer : question.answers) {
        answer = storableText(answer);
    }
    for (const PlainQuestion& other : m_slots) {
        if (other.position != m_currentSlot && other.question == question.question) {
            showMessage(messages::kQuestionDuplicate);
            return SaveOutcome::Refused;
        }
    }
    auto next = std::make_unique<TQuestionFile>(*m_buffer);
    writeCategoryHeader(*next, m_title, m_services.clock.now());
    storePlainQuestion(next->entries[size_t(m_currentSlot)], question);
    if (!writeCategory(m_filePath, *next)) {
        return SaveOutcome::Failed;
    }
    m_buffer = std::move(next);
    m_questionCount = std::max(m_questionCount, m_currentSlot);
    refreshSlotCache();
    DatensatzAnzeigen();
    return SaveOutcome::Saved;
}

void QuestionEditor::goNext() {
    if (m_currentSlot == 0 || (hasUnsavedChanges() && DatenSpeichern() != SaveOutcome::Saved) ||
        !m_view.nextEnabled) {
        return;
    }
    ++m_currentSlot;
    DatensatzAnzeigen();
}

void QuestionEditor::goBack() {
    if (m_currentSlot <= 1 || (hasUnsavedChanges() && DatenSpeichern() != SaveOutcome::Saved)) {
        return;
    }
    --m_currentSlot;
    DatensatzAnzeigen();
}

void QuestionEditor::newQuestion() {
    if (!m_view.newQuestionEnabled || !confirmLeave()) {
        return;
    }
    m_currentSlot = std::min(m_questionCount + 1, kSlotCount);
    DatensatzAnzeigen();
}

void QuestionEditor::deleteQuestion() {
    if (!m_view.deleteEnabled || showMessage(messages::kAskDeleteQuestion) != AnswerYes) {
        return;
    }
    auto next = std::make_unique<TQuestionFile>(*m_buffer);
    auto& entries = next->entries;
    std::move(entries.begin() + m_currentSlot + 1, entries.begin() + m_questionCount + 1,
              entries.begin() + m_currentSlot);
    entries[size_t(m_questionCount)] = TQuestionEntry{};
    writeCategoryHeader(*next, m_title, m_services.clock.now());
    if (!writeCategory(m_filePath, *next)) {
        return;
    }
    m_buffer = std::move(next);
    --m_questionCount;
    m_currentSlot = std::min(m_currentSlot, m_questionCount);
    refreshSlotCache();
    DatensatzAnzeigen();
}

void QuestionEditor::setQuestion(const QString& text) {
    m_fields.question = text.left(kFieldCapacity);
    update();
}

void QuestionEditor::setAnswer(int answer, const QString& text) {
    if (answer >= 1 && answer <= 4) {
        m_fields.answers[size_t(answer - 1)] = text.left(kFieldCapacity);
        update();
    }
}

void QuestionEditor::setCorrect(int answer) {
    if (answer >= 0 && answer <= 4) {
        m_fields.correct = answer;
        update();
    }
}

void QuestionEditor::setEstimation(bool ticked) {
    setEstimationLayout(m_fields, ticked);
    update();
}

bool QuestionEditor::confirmLeave() {
    if (!hasUnsavedChanges()) {
        return true;
    }
    switch (showMessage(messages::kAskSaveChanges)) {
        case AnswerYes:
            return DatenSpeichern() == SaveOutcome::Saved;
        case AnswerNo:
            return true;
        default:
            return false;
    }
}

bool QuestionEditor::showSlot(int slot) {
    if (slot < 1 || slot > m_questionCount || !confirmLeave()) {
        return false;
    }
    m_currentSlot = slot;
    DatensatzAnzeigen();
    return true;
}

bool QuestionEditor::newCategory(const QString& title) {
    if (checkCategoryTitle(title) != TitleVerdict::Valid || !confirmLeave()) {
        return false;
    }
    takeCategory(std::make_unique<TQuestionFile>(), title,
                 filePath(m_services.progDir, categoryFileName(title)));
    return true;
}

bool QuestionEditor::openCategory(const QString& fileName) {
    const QString path = filePath(m_services.progDir, fileName);
    const Result<TQuestionFile> read = ReadQuestionFile(path);
    if (!read.ok()) {
        showMessage(messages::kCategoryUnreadable, fileName);
        return false;
    }
    if (!confirmLeave()) {
        return false;
    }
    takeCategory(normalised(*read), categoryTitleOfFileName(fileName), path);
    return true;
}

bool QuestionEditor::importSource(const QString& sourcePath, const QString& title) {
    if (checkCategoryTitle(title) != TitleVerdict::Valid) {
        return false;
    }
    const QString name = QFileInfo(sourcePath).fileName();
    const auto refuse = [&](const QStringList& lines) {
        showMessage(messages::kImportProblems, QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
        return false;
    };
    const std::optional<SourceFormat> format = sourceFormatOf(sourcePath);
    if (!format) {
        return refuse({name + QStringLiteral(": use a .json or .csv file")});
    }
    const Result<QByteArray> bytes = readWholeFile(sourcePath);
    if (!bytes) {
        return refuse({bytes.error()});
    }
    const ParsedSource parsed = parseCategorySource(*bytes, *format);
    const SourceProblems problems = reviewSource(parsed, false);
    if (!problems.empty()) {
        QStringList lines;
        for (const SourceProblem& p : problems) {
            if (lines.size() == kImportProblemLines) {
                lines.append(QStringLiteral("..."));
                break;
            }
            lines.append(p.line > 0 ? QStringLiteral("%1:%2: %3").arg(name).arg(p.line).arg(p.text)
                                    : QStringLiteral("%1: %2").arg(name, p.text));
        }
        return refuse(lines);
    }
    if (!confirmLeave()) {
        return false;
    }
    auto file = std::make_unique<TQuestionFile>(
        buildCategory(parsed.questions, title, m_services.clock.now()));
    const QString path = filePath(m_services.progDir, categoryFileName(title));
    if (!writeCategory(path, *file)) {
        return false;
    }
    takeCategory(std::move(file), title, path);
    return true;
}

bool QuestionEditor::exportSource(const QString& targetPath) {
    if (m_currentSlot == 0) {
        return false;
    }
    const std::optional<SourceFormat> format = sourceFormatOf(targetPath);
    if (!format) {
        showMessage(messages::kExportFailed,
                    QFileInfo(targetPath).fileName() + QStringLiteral(": use .json or .csv"));
        return false;
    }
    if (!confirmLeave()) {
        return false;
    }
    const Status written = writeWholeFile(targetPath, writeCategorySource(m_slots, *format));
    if (!written) {
        showMessage(messages::kExportFailed, written.error());
        return false;
    }
    return true;
}

bool QuestionEditor::requestClose() {
    return confirmLeave();
}

void QuestionEditor::reset() {
    *m_buffer = TQuestionFile{};
    m_currentSlot = 0;
    m_questionCount = 0;
    m_filePath.clear();
    m_title.clear();
    m_caption = Caption::Closed;
    m_fields = {};
    m_stored = {};
    m_changedText.clear();
    refreshSlotCache();
    update();
}

bool QuestionEditor::writeCategory(const QString& path, const TQuestionFile& file) {
    const Status written = writeWholeFile(path, questionFileToBytes(file));
    if (!written) {
        showMessage(messages::kCategoryWriteFailed, written.error());
    }
    return written.ok();
}

void QuestionEditor::takeCategory(std::unique_ptr<TQuestionFile> file, const QString& title,
                                  const QString& path) {
    m_buffer = std::move(file);
    m_title = title;
    m_filePath = path;
    m_caption = Caption::Open;
    m_questionCount = CountQuestions(*m_buffer);
    m_currentSlot = 1;
    refreshSlotCache();
    DatensatzAnzeigen();
}

PlainQuestion QuestionEditor::plainOfFields(int slot) const {
    PlainQuestion q;
    q.position = slot;
    q.kind = m_fields.estimation ? QuestionKind::Estimation : QuestionKind::MultipleChoice;
    q.question = m_fields.question;
    q.answers = m_fields.answers;
    q.correct = m_fields.correct > 0 ? QString::number(m_fields.correct) : QString();
    return q;
}

void QuestionEditor::refreshSlotCache() {
    m_slots = categoryQuestions(*m_buffer);
}

void QuestionEditor::refreshChangedText() {
    const QFileInfo file(m_filePath);
    // A new category has no file until its first save.
    const QDate date = !m_filePath.isEmpty() && file.exists() ? file.lastModified().date()
                                                              : m_services.clock.now().date();
    m_changedText = m_services.catalogue.text(Msg::MsgChangedPrefix) +
                    QLocale::system().toString(date, QLocale::ShortFormat);
}

void QuestionEditor::refreshFindings() {
    if (m_currentSlot == 0) {
        m_findings.clear();
        return;
    }
    // The category as it would be saved now: the shown slot as typed.
    std::vector<PlainQuestion> questions = m_slots;
    if (m_currentSlot <= m_questionCount) {
        questions[size_t(m_currentSlot - 1)] = plainOfFields(m_currentSlot);
    } else if (m_fields != EditorFields{}) {
        questions.push_back(plainOfFields(m_currentSlot));
    }
    m_findings = checkQuestions(questions, true);
    std::stable_sort(m_findings.begin(), m_findings.end(),
                     [](const CategoryFinding& a, const CategoryFinding& b) {
                         return !a.advice() && b.advice();
                     });
}

void QuestionEditor::refreshView() {
    const auto& text = [this](Msg key) { return m_services.catalogue.text(key); };
    const int slot = m_currentSlot;
    const int count = m_questionCount;
    EditorView& v = m_view;
    switch (m_caption) {
        case Caption::AtStart:
            v.caption = captionAtStart(m_services.catalogue.language());
            break;
        case Caption::Closed:
            v.caption = text(Msg::MsgEditorTitleEmpty);
            break;
        case Caption::Open:
            v.caption = text(Msg::MsgEditorTitlePrefix) + m_title + QLatin1Char(']');
            break;
    }
    v.recordText = text(Msg::MsgRecordPrefix) + QString::number(slot) + QLatin1Char('/') +
                   QString::number(count);
    v.changedText = m_changedText;
    v.sizeText = kSizeText;
    v.categoryOpen = slot != 0;
    v.newQuestionEnabled = slot != 0 && slot != kSlotCount && count != 0 && slot <= count;
    v.nextEnabled = slot != 0 && slot != kSlotCount && slot != count + 1;
    v.backEnabled = slot > 1;
    v.deleteEnabled = count >= 2 && slot >= 1 && slot <= count;
    v.fields = m_fields;
    v.answer1Label = text(m_fields.estimation ? Msg::MsgAnswerLabel : Msg::MsgAnswer1Label);
    v.choiceControlsVisible = !m_fields.estimation;
}

void QuestionEditor::update() {
    refreshFindings();
    refreshView();
    emit changed();
}

}  // namespace trivanto
