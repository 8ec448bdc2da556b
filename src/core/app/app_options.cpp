#include "core/app/app_options.h"

#include "core/app/zoom.h"

namespace trivanto {

namespace {

std::optional<Language> languageFromText(const QString& text) {
    if (text == QLatin1String("englisch")) {
        return Language::Englisch;
    }
    if (text == QLatin1String("deutsch")) {
        return Language::Deutsch;
    }
    return std::nullopt;
}

bool isTrue(const QString& value) {
    return value == QLatin1String("1") ||
           value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

}  // namespace

AppOptionsResult parseAppOptions(const QStringList& arguments,
                                 const QProcessEnvironment& environment) {
    AppOptionsResult result;
    AppOptions& o = result.options;
    o.progDir = environment.value(QStringLiteral("TRIVANTO_PROG_DIR"));
    o.windowsDir = environment.value(QStringLiteral("TRIVANTO_WINDOWS_DIR"));
    o.lockDir = environment.value(QStringLiteral("TRIVANTO_LOCK_DIR"));
    o.quitWhenIdle = isTrue(environment.value(QStringLiteral("TRIVANTO_QUIT_WHEN_IDLE")));
    if (environment.value(QStringLiteral("TRIVANTO_PLAIN_MESSAGES")) == QLatin1String("stderr")) {
        o.plainMessages = PlainMessageTarget::Stderr;
    }

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--no-splash")) {
            o.noSplash = true;
            continue;
        }
        if (arg == QLatin1String("--quit-when-idle")) {
            o.quitWhenIdle = true;
            continue;
        }
        if (arg == QLatin1String("--report-ready")) {
            o.reportReady = true;
            continue;
        }
        // Server addresses are read by resolveServerConfig; here they only take their value.
        QString ignored;
        QString* target = nullptr;
        if (arg == QLatin1String("--update-host") || arg == QLatin1String("--toplist-url")) {
            target = &ignored;
        } else if (arg.startsWith(QLatin1String("--update-host=")) ||
                   arg.startsWith(QLatin1String("--toplist-url="))) {
            continue;
        } else if (arg == QLatin1String("--prog-dir")) {
            target = &o.progDir;
        } else if (arg == QLatin1String("--windows-dir")) {
            target = &o.windowsDir;
        } else if (arg == QLatin1String("--lock-dir")) {
            target = &o.lockDir;
        } else if (arg == QLatin1String("--settings")) {
            target = &o.settingsFile;
        } else if (arg != QLatin1String("--language") && arg != QLatin1String("--zoom")) {
            result.error = QStringLiteral("unknown argument: %1").arg(arg);
            return result;
        }
        if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
            result.error = QStringLiteral("%1 needs a value").arg(arg);
            return result;
        }
        const QString value = arguments.at(++i);
        if (target != nullptr) {
            *target = value;
            continue;
        }
        // The zoom is applied (and remembered) before the application object exists.
        if (arg == QLatin1String("--zoom")) {
            if (!zoomFromText(value)) {
                result.error = QStringLiteral("--zoom takes 1, 1.5, 2 or fit, not %1").arg(value);
                return result;
            }
            continue;
        }
        o.language = languageFromText(value);
        if (!o.language) {
            result.error =
                QStringLiteral("--language takes englisch or deutsch, not %1").arg(value);
            return result;
        }
    }
    return result;
}

QString appOptionsUsage() {
    return QStringLiteral(
        "Usage: trivanto [options]\n"
        "  --no-splash            start without the three-second splash window\n"
        "  --prog-dir DIR         program folder (categories, sounds, help, banner)\n"
        "  --windows-dir DIR      folder of the game question list and the pool file\n"
        "  --language LANGUAGE    englisch or deutsch for this run\n"
        "  --settings FILE        keep the settings in FILE (INI format)\n"
        "  --zoom ZOOM            1, 1.5, 2 or fit (full screen); remembered for later starts\n"
        "  --lock-dir DIR         folder of the single-instance lock\n"
        "  --quit-when-idle       end as soon as the start-up is complete\n"
        "  --report-ready         print \"Trivanto ready\" once the start-up is complete\n"
        "  --update-host HOST[:PORT]  update server (default update.velmora.engineering)\n"
        "  --toplist-url URL      top-list server\n");
}

}  // namespace trivanto
