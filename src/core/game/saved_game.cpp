#include "core/game/saved_game.h"

#include <QFileInfo>
#include <QStringDecoder>

#include "core/app/file_dialogs.h"
#include "core/app/message_dialog.h"
#include "core/common/file_path.h"
#include "core/common/whole_file.h"
#include "core/game/game_engine.h"
#include "core/game/game_question_list.h"
#include "core/lang/message_catalogue.h"
#include "core/lang/message_shapes.h"
#include "core/lang/window_texts.h"
#include "core/text/cp1252.h"

namespace trivanto {

namespace {

std::size_t idx(int player) {
    return static_cast<std::size_t>(player - 1);
}

// Windows-1252 as the format has it; a path the code page cannot hold goes in as UTF-8, so a
// picture in a folder with, say, Cyrillic letters is still found.
QByteArray storedPath(const QString& path) {
    return isCp1252(path) ? toCp1252(path) : path.toUtf8();
}

// The stored path read both ways, Windows-1252 first.
QStringList pathReadings(const QByteArray& bytes) {
    QStringList readings{fromCp1252(bytes)};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError() && text != readings.front()) {
        readings << text;
    }
    return readings;
}

// The last part of a path of either system ("C:\Bilder\me.bmp" gives "me.bmp").
QString lastPathPart(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

// The own picture at its stored path, else under its name beside the saved game.
QString findOwnPicture(const QByteArray& stored, const QString& savedGameFolder) {
    const QStringList readings = pathReadings(stored);
    for (const QString& path : readings) {
        if (!path.isEmpty() && QFileInfo(path).isFile()) {
            return path;
        }
    }
    for (const QString& path : readings) {
        const QString name = lastPathPart(path);
        const QString beside = filePath(savedGameFolder, name);
        if (!name.isEmpty() && QFileInfo(beside).isFile()) {
            return beside;
        }
    }
    return {};
}

// A dialog answer that names no file: cancelled, or a pattern left in the name field.
bool isRealFileName(const QString& file) {
    return file.size() > 4 && !file.contains(QLatin1Char('*')) &&
           !QFileInfo(file).fileName().isEmpty();
}

Status checkRecord(const TSaveRecord& r) {
    const auto bad = [](const QString& what, qint64 value) {
        return Status::failure(QStringLiteral("%1 %2 is out of range").arg(what).arg(value));
    };
    if (r.PlayerCount < 1 || r.PlayerCount > kMaxPlayers) {
        return bad(QStringLiteral("player count"), r.PlayerCount);
    }
    const qint64 n = qint64(r.PlayerCount) * r.QuestionsPerPlayer;
    if (r.QuestionsPerPlayer < 1 || n > kSlotCount) {
        return bad(QStringLiteral("questions per player"), r.QuestionsPerPlayer);
    }
    if (r.QuestionNumber < 1 || r.QuestionNumber > n) {
        return bad(QStringLiteral("question number"), r.QuestionNumber);
    }
    if (r.CurrentPlayer < 1 || r.CurrentPlayer > r.PlayerCount) {
        return bad(QStringLiteral("current player"), r.CurrentPlayer);
    }
    for (int p = 1; p <= r.PlayerCount; ++p) {
        const qint32 number = r.pictureNumber[idx(p)];
        if (number < 0 || number >= kPictureCount) {
            return bad(QStringLiteral("picture number of player %1").arg(p), number);
        }
    }
    bool anyQuestion = false;
    for (qint64 slot = 1; slot <= n && !anyQuestion; ++slot) {
        anyQuestion =
            r.questions.entries[static_cast<std::size_t>(slot)].fields[FieldQuestion][0] > 0;
    }
    if (!anyQuestion) {
        return Status::failure(QStringLiteral("the question list is empty"));
    }
    return Status::success();
}

}  // namespace

TSaveRecord saveRecordOf(const GameEngine& engine) {
    const GameState& state = engine.state();
    const GameView& view = engine.view();
    TSaveRecord record;
    const GameQuestions& questions = engine.questions();
    const auto n =
        std::min<std::size_t>(questions.size(), static_cast<std::size_t>(state.totalQuestions()));
    record.questions = gameQuestionList(GameQuestions(questions.begin(), questions.begin() + n));
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const SeatView& seat = view.seats[idx(p)];
        record.names[idx(p)] = seat.name.left(kSaveNameCapacity);
        record.Account[idx(p)] = state.Account[idx(p)];
        const bool playing = p <= state.PlayerCount;
        record.pictureNumber[idx(p)] = playing ? seat.picture.index : 0;
        if (playing && seat.picture.kind == SeatPicture::Kind::OwnFile) {
            record.ownPictureFlag[idx(p)] = 1;
            record.ownPicturePath[idx(p)] = storedPath(seat.picture.path).left(kSavePathCapacity);
        }
    }
    record.QuestionNumber = state.QuestionNumber;
    record.CurrentPlayer = state.CurrentPlayer;
    record.PlayerCount = state.PlayerCount;
    record.QuestionsPerPlayer = state.QuestionsPerPlayer;
    record.RandomOrder = state.RandomOrder ? 1 : 0;
    return record;
}

Result<RestoredRecord> restoredGameOf(const TSaveRecord& record, const QString& savedGameFolder) {
    if (const Status checked = checkRecord(record); !checked.ok()) {
        return checked;
    }
    RestoredRecord restored;
    LoadedGame& game = restored.game;
    game.data.PlayerCount = record.PlayerCount;
    game.data.QuestionsPerPlayer = record.QuestionsPerPlayer;
    game.data.RandomOrder = record.RandomOrder != 0;
    game.data.names = record.names;
    game.Account = record.Account;
    game.QuestionNumber = record.QuestionNumber;
    game.CurrentPlayer = record.CurrentPlayer;
    game.questions =
        gameQuestionsOf(record.questions, record.PlayerCount * record.QuestionsPerPlayer);
    for (int p = 1; p <= record.PlayerCount; ++p) {
        const int number = record.pictureNumber[idx(p)];
        SeatPicture& picture = game.data.pictures[idx(p)];
        picture = SeatPicture::builtIn(number);
        if (record.ownPictureFlag[idx(p)] != 1) {
            continue;
        }
        const QString found = findOwnPicture(record.ownPicturePath[idx(p)], savedGameFolder);
        if (found.isEmpty()) {
            restored.picturesFound = false;
            picture = SeatPicture::builtIn(0);
        } else {
            picture = SeatPicture::ownFile(found, number);
        }
    }
    return restored;
}

SavedGames::SavedGames(const Services& services, GameEngine& engine)
    : m_services(services), m_engine(engine) {}

FileDialogRequest SavedGames::fileRequest(const char* dialogName) const {
    // Both dialogs belong to the main window; their titles are its window texts.
    FileDialogRequest request;
    const QString name = QLatin1String(dialogName);
    for (const WindowText& text :
         resolvedWindowTexts(QStringLiteral("TMainForm"), m_services.catalogue.language())) {
        if (text.objectName == name && text.kind == WindowTextKind::Title) {
            request.title = text.text;
        }
    }
    request.folder = m_services.paths.progDir;
    request.filter = QStringLiteral("Trivanto Savegame (*.sav)");
    request.defaultSuffix = QStringLiteral("sav");
    return request;
}

void SavedGames::notice(Msg key, const QString& appended) {
    const MessageShape shape = messageShape(key);
    m_services.dialog.notice(m_services.catalogue.text(key) + appended, shape.width,
                             shape.wordWrap);
}

int SavedGames::ask(Msg key) {
    const MessageShape shape = messageShape(key);
    return m_services.dialog.question(m_services.catalogue.text(key), shape.width, shape.wordWrap);
}

bool SavedGames::askFairness() {
    return ask(Msg::MsgSavedGameNoTop50) == AnswerYes;
}

SavedGames::SaveResult SavedGames::save() {
    if (!m_engine.canSave()) {
        notice(Msg::MsgSaveOnlyAtBet);
        return SaveResult::Impossible;
    }
    if (!askFairness()) {
        return SaveResult::Declined;
    }
    const QString file = m_services.files.saveFile(fileRequest("SaveSavDialog"));
    if (!isRealFileName(file)) {
        return SaveResult::Declined;
    }
    const Status written = WriteSaveRecord(file, saveRecordOf(m_engine));
    if (!written.ok()) {
        notice(Msg::MsgSavedGameUnwritable, written.error());
        return SaveResult::Impossible;
    }
    m_engine.setGameSaved(true);
    return SaveResult::Saved;
}

bool SavedGames::SpielSpeichern() {
    return save() == SaveResult::Saved;
}

SaveOffer SavedGames::offerToSave() {
    if (!m_engine.view().gameInProgress || m_engine.state().GameSaved) {
        return SaveOffer::GoOn;
    }
    const int answer = ask(Msg::MsgAskSaveGame);
    if (answer == AnswerYes) {
        // Declining the fairness question or the dialog still lets the action go on.
        return save() == SaveResult::Impossible ? SaveOffer::NotSaved : SaveOffer::GoOn;
    }
    return answer == AnswerNo ? SaveOffer::GoOn : SaveOffer::Cancelled;
}

void SavedGames::openGame() {
    if (!m_engine.canLoad() || offerToSave() != SaveOffer::GoOn) {
        return;
    }
    SpielLaden();
}

bool SavedGames::SpielLaden() {
    if (!m_engine.canLoad() || !askFairness()) {
        return false;
    }
    const QString file = m_services.files.openFile(fileRequest("OpenSavDialog"));
    if (!isRealFileName(file)) {
        return false;
    }
    // Read and check everything first: a file that is refused leaves the game as it was.
    const auto bytes = readFileStart(file, kSaveRecordSize + 1, QStringLiteral("a saved game"));
    if (!bytes.ok()) {
        notice(Msg::MsgSavedGameUnreadable, bytes.error());
        return false;
    }
    const QFileInfo info(file);
    const auto record = saveRecordFromBytes(*bytes, info.fileName());
    const auto restored = record.ok() ? restoredGameOf(*record, info.absolutePath())
                                      : Result<RestoredRecord>(record.status());
    if (!restored.ok() || !m_engine.restoreGame(restored->game)) {
        notice(Msg::MsgSavedGameDamaged, info.fileName());
        return false;
    }
    if (!restored->picturesFound) {
        notice(Msg::MsgPlayerPictureMissing);
    }
    return true;
}

}  // namespace trivanto
