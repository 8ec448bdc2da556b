#include "core/app/server_config.h"

#include <gtest/gtest.h>

#include "core/app/memory_settings_store.h"

namespace trivanto {
namespace {

using Source = ServerAddressSource;

struct Levels {
    const char* option = nullptr;
    const char* environment = nullptr;
    const char* setting = nullptr;
};

ServerConfig resolveUpdateHost(const Levels& levels, QStringList extraArguments = {}) {
    QStringList arguments = std::move(extraArguments);
    QProcessEnvironment environment;
    MemorySettingsStore settings;
    if (levels.option != nullptr) {
        arguments << QStringLiteral("--update-host") << QString::fromUtf8(levels.option);
    }
    if (levels.environment != nullptr) {
        environment.insert(QStringLiteral("TRIVANTO_UPDATE_HOST"),
                           QString::fromUtf8(levels.environment));
    }
    if (levels.setting != nullptr) {
        settings.setString(QStringLiteral("Servers/UpdateHost"), QString::fromUtf8(levels.setting));
    }
    return resolveServerConfig(arguments, environment, settings);
}

TEST(ServerConfig, OptionBeatsEnvironmentBeatsSettingsBeatsDefault) {
    struct Case {
        Levels levels;
        const char* expected;
        Source source;
        int warnings;
    };
    const Case cases[] = {
        {{}, "update.velmora.engineering", Source::Default, 0},
        {{nullptr, nullptr, "s.test"}, "s.test", Source::Settings, 0},
        {{nullptr, "e.test:8080", "s.test"}, "e.test:8080", Source::Environment, 0},
        {{"127.0.0.1:9000", "e.test", "s.test"}, "127.0.0.1:9000", Source::Option, 0},
        {{"[::1]:8080", nullptr, nullptr}, "[::1]:8080", Source::Option, 0},
        // An unusable value is skipped with a warning; the next level decides.
        {{"http://o.test", "e.test", nullptr}, "e.test", Source::Environment, 1},
        {{"o.test:0", "bad host", "s.test"}, "s.test", Source::Settings, 2},
        {{nullptr, "", "s.test/path"}, "update.velmora.engineering", Source::Default, 2},
        {{" padded.test ", nullptr, nullptr}, "padded.test", Source::Option, 0},
    };
    for (const Case& c : cases) {
        const ServerConfig config = resolveUpdateHost(c.levels);
        EXPECT_EQ(config.updateHost, QString::fromUtf8(c.expected)) << c.expected;
        EXPECT_EQ(config.updateHostSource, c.source) << c.expected;
        EXPECT_EQ(config.warnings.size(), c.warnings) << c.expected;
        EXPECT_EQ(config.topListUrl, defaultTopListUrl());
    }
}

TEST(ServerConfig, OptionFormsAndTheLastOneWins) {
    EXPECT_EQ(resolveUpdateHost({}, {QStringLiteral("--update-host=eq.test")}).updateHost,
              QStringLiteral("eq.test"));
    EXPECT_EQ(resolveUpdateHost(
                  {}, {QStringLiteral("--update-host"), QStringLiteral("a.test"),
                       QStringLiteral("--no-splash"), QStringLiteral("--update-host=b.test")})
                  .updateHost,
              QStringLiteral("b.test"));
    // A trailing option without its value is unusable, not a crash.
    const ServerConfig dangling = resolveUpdateHost({}, {QStringLiteral("--update-host")});
    EXPECT_EQ(dangling.updateHostSource, Source::Default);
    EXPECT_EQ(dangling.warnings.size(), 1);
}

TEST(ServerConfig, TopListUrlLevels) {
    MemorySettingsStore settings;
    settings.setString(QStringLiteral("Servers/TopListUrl"),
                       QStringLiteral("https://s.test/orvalquest/top50/"));
    QProcessEnvironment environment;
    const ServerConfig fromSettings = resolveServerConfig({}, environment, settings);
    EXPECT_EQ(fromSettings.topListUrl, QStringLiteral("https://s.test/orvalquest/top50"));
    EXPECT_EQ(fromSettings.topListUrlSource, Source::Settings);

    environment.insert(QStringLiteral("TRIVANTO_TOPLIST_URL"), QStringLiteral("ftp://e.test/x"));
    const ServerConfig badEnvironment = resolveServerConfig({}, environment, settings);
    EXPECT_EQ(badEnvironment.topListUrlSource, Source::Settings);
    EXPECT_EQ(badEnvironment.warnings.size(), 1);

    const ServerConfig fromOption = resolveServerConfig(
        {QStringLiteral("--toplist-url"), QStringLiteral("http://127.0.0.1:8123/top")}, environment,
        settings);
    EXPECT_EQ(fromOption.topListUrl, QStringLiteral("http://127.0.0.1:8123/top"));
    EXPECT_EQ(fromOption.topListUrlSource, Source::Option);
}

TEST(ServerConfig, HostAndPortValidation) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"update.velmora.engineering", true},
        {"localhost", true},
        {"a-b.test:65535", true},
        {"10.0.0.1:80", true},
        {"[2001:db8::1]", true},
        {"[::1]:1", true},
        {"", false},
        {"host:", false},
        {"host:65536", false},
        {"host:-1", false},
        {"host:80:81", false},
        {"-a.test", false},
        {"a..test", false},
        {"http://a.test", false},
        {"a.test/x", false},
        {"a test", false},
        {"[::1", false},
        {"[nothost]:80", false},
        {"[::1]80", false},
        {"hö.test", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isValidHostAndPort(QString::fromUtf8(c.text)), c.valid) << c.text;
    }
}

TEST(ServerConfig, TopListUrlValidation) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"http://toplist.velmora.engineering/orvalquest/top50", true},
        {"https://t.test:8443/a", true},
        {"http://[::1]:8080/top", true},
        {"t.test/orvalquest/top50", false},
        {"ftp://t.test/a", false},
        {"http:///nohost", false},
        {"http://t.test/a?cmd=1", false},
        {"http://t.test/a#frag", false},
        {"http://user:pw@t.test/a", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isValidTopListUrl(QString::fromUtf8(c.text)), c.valid) << c.text;
    }
}

}  // namespace
}  // namespace trivanto
