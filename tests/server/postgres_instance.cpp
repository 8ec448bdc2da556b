#include "postgres_instance.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include "core/common/file_path.h"

namespace trivanto {

namespace {

constexpr int kPort = 5432;  // only names the socket file in our own folder
const QString kUser = QStringLiteral("trivanto");

// The folder of initdb and pg_ctl: on the PATH, or Debian's versioned folder.
QString postgresBinDir() {
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("initdb"));
    if (!onPath.isEmpty()) {
        return QFileInfo(onPath).absolutePath();
    }
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(found.begin(), found.end(),
              [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
    for (const QString& version : found) {
        const QString bin = versions.filePath(version + QStringLiteral("/bin"));
        if (QFileInfo::exists(filePath(bin, QStringLiteral("initdb")))) {
            return bin;
        }
    }
    return {};
}

// PostgreSQL refuses to run as root: the user it runs as then, when there is one.
QString serverUser() {
    if (geteuid() != 0) {
        return {};
    }
    for (const char* name : {"postgres", "nobody"}) {
        if (getpwnam(name) != nullptr) {
            return QString::fromLatin1(name);
        }
    }
    return QStringLiteral("?");
}

}  // namespace

bool PostgresInstance::run(const QString& program, const QStringList& arguments,
                           QString& output) const {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString path = filePath(m_binDir, program);
    if (m_runAs.isEmpty()) {
        process.start(path, arguments);
    } else {
        process.start(
            QStringLiteral("runuser"),
            QStringList{QStringLiteral("-u"), m_runAs, QStringLiteral("--"), path} + arguments);
    }
    const bool finished = process.waitForFinished(120000);
    output = QString::fromLocal8Bit(process.readAll()).right(2000);
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

std::unique_ptr<PostgresInstance> PostgresInstance::start(QString& why) {
    std::unique_ptr<PostgresInstance> instance(new PostgresInstance());
    instance->m_binDir = postgresBinDir();
    if (instance->m_binDir.isEmpty()) {
        why = QStringLiteral(
            "PostgreSQL is not installed (no initdb); ./scripts/setup.sh "
            "installs it");
        return nullptr;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        why = QStringLiteral("the Qt PostgreSQL driver (libqt6sql6-psql) is not installed");
        return nullptr;
    }
    instance->m_runAs = serverUser();
    if (instance->m_runAs == QLatin1String("?")) {
        why = QStringLiteral("running as root without a postgres or nobody user");
        return nullptr;
    }
    const QString folder = instance->m_dir.path();
    if (!instance->m_runAs.isEmpty()) {
        const passwd* user = getpwnam(instance->m_runAs.toLocal8Bit().constData());
        if (user == nullptr ||
            chown(QFile::encodeName(folder).constData(), user->pw_uid, user->pw_gid) != 0) {
            why = QStringLiteral("cannot give %1 to %2").arg(folder, instance->m_runAs);
            return nullptr;
        }
    }
    const QString data = filePath(folder, QStringLiteral("data"));
    QString output;
    if (!instance->run(
            QStringLiteral("initdb"),
            {QStringLiteral("-D"), data, QStringLiteral("-U"), kUser,
             QStringLiteral("--auth=trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
             QStringLiteral("--no-locale"), QStringLiteral("--no-sync")},
            output)) {
        why = QStringLiteral("initdb failed: ") + output;
        return nullptr;
    }
    if (!instance->startServer(why)) {
        return nullptr;
    }
    return instance;
}

bool PostgresInstance::startServer(QString& why) const {
    const QString folder = m_dir.path();
    const QString serverOptions =
        QStringLiteral("-k %1 -p %2 -c listen_addresses='' -c fsync=off").arg(folder).arg(kPort);
    QString output;
    if (!run(QStringLiteral("pg_ctl"),
             {QStringLiteral("-D"), filePath(folder, QStringLiteral("data")), QStringLiteral("-o"),
              serverOptions, QStringLiteral("-l"), filePath(folder, QStringLiteral("server.log")),
              QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("60"),
              QStringLiteral("start")},
             output)) {
        why = QStringLiteral("pg_ctl start failed: ") + output;
        return false;
    }
    return true;
}

bool PostgresInstance::restart(QString& why) {
    QString output;
    if (!run(QStringLiteral("pg_ctl"),
             {QStringLiteral("-D"), filePath(m_dir.path(), QStringLiteral("data")),
              QStringLiteral("-m"), QStringLiteral("immediate"), QStringLiteral("-w"),
              QStringLiteral("stop")},
             output)) {
        why = QStringLiteral("pg_ctl stop failed: ") + output;
        return false;
    }
    return startServer(why);
}

PostgresInstance::~PostgresInstance() {
    QString output;
    run(QStringLiteral("pg_ctl"),
        {QStringLiteral("-D"), filePath(m_dir.path(), QStringLiteral("data")), QStringLiteral("-m"),
         QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")},
        output);
}

Result<DatabaseSettings> PostgresInstance::freshDatabase() {
    DatabaseSettings settings;
    settings.driver = QStringLiteral("QPSQL");
    settings.host = m_dir.path();
    settings.port = kPort;
    settings.userName = kUser;
    settings.databaseName = QStringLiteral("postgres");
    const QString name = QStringLiteral("test%1").arg(++m_databases);
    const QString connection = QStringLiteral("postgres-admin");
    QString failure;
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(settings.driver, connection);
        admin.setHostName(settings.host);
        admin.setPort(settings.port);
        admin.setUserName(settings.userName);
        admin.setDatabaseName(settings.databaseName);
        if (!admin.open()) {
            failure = admin.lastError().text();
        } else if (QSqlQuery query(admin);
                   !query.exec(QStringLiteral("CREATE DATABASE %1").arg(name))) {
            failure = query.lastError().text();
        }
        admin.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!failure.isEmpty()) {
        return Result<DatabaseSettings>::failure(failure);
    }
    settings.databaseName = name;
    return settings;
}

}  // namespace trivanto
