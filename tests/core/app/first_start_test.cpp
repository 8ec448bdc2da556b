#include <gtest/gtest.h>

#include "core/app/first_start.h"
#include "core/app/memory_settings_store.h"

namespace trivanto {
namespace {

struct ExpectedValue {
    const char* key;
    QVariant value;
};

TEST(FirstStart, EmptyStoreGetsEveryDefault) {
    MemorySettingsStore store;
    EXPECT_TRUE(prepareStartSettings(store, QStringLiteral("/opt/trivanto/")));

    const ExpectedValue expected[] = {
        {"ProgDir", QStringLiteral("/opt/trivanto/")},
        {"Players/Player1", QStringLiteral("Player 1")},
        {"Players/Player4", QStringLiteral("Player 4")},
        {"Players/Player2_eMail", QString()},
        {"Players/Player3_Pic", 0},
        {"Players/Ton", 1},
        {"Highscore/1_Name", QStringLiteral("Frei")},
        {"Highscore/10_Date", QStringLiteral("00.00.00")},
        {"Highscore/5_Time", QStringLiteral("00:00:00")},
        {"Highscore/10_Money", QStringLiteral("-")},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.key);
        const QString key = QString::fromLatin1(e.key);
        ASSERT_TRUE(store.contains(key));
        if (e.value.typeId() == QMetaType::Int) {
            EXPECT_EQ(store.intValue(key, -1), e.value.toInt());
        } else {
            EXPECT_EQ(store.stringValue(key, QStringLiteral("<absent>")), e.value.toString());
        }
    }
    // 1 ProgDir + 12 player values + Ton + 40 top-ten values, nothing else.
    EXPECT_EQ(store.keys().size(), 1 + 12 + 1 + 40);
}

TEST(FirstStart, ExistingValuesAreNeverOverwritten) {
    struct Case {
        const char* name;
        const char* presetKey;
        QVariant presetValue;
        const char* absentKey;  // a default that must not appear
    };
    const Case cases[] = {
        {"players group kept", "Players/Player1", QStringLiteral("Anna"), "Players/Player2"},
        {"partial top ten kept", "Highscore/3_Name", QStringLiteral("Bert"), "Highscore/1_Name"},
        {"sound off kept", "Players/Ton", 0, "Players/Player1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySettingsStore store;
        const QString preset = QString::fromLatin1(c.presetKey);
        if (c.presetValue.typeId() == QMetaType::Int) {
            store.setInt(preset, c.presetValue.toInt());
        } else {
            store.setString(preset, c.presetValue.toString());
        }
        prepareStartSettings(store, QStringLiteral("/p/"));
        EXPECT_EQ(store.stringValue(preset), c.presetValue.toString());
        EXPECT_FALSE(store.contains(QString::fromLatin1(c.absentKey)));
    }
}

TEST(FirstStart, ProgDirFollowsEveryStartAndSoundIsRead) {
    MemorySettingsStore store;
    prepareStartSettings(store, QStringLiteral("/old/"));
    store.setBool(settings_keys::kSound, false);
    EXPECT_FALSE(prepareStartSettings(store, QStringLiteral("/new/")));
    EXPECT_EQ(store.stringValue(QStringLiteral("ProgDir")), QStringLiteral("/new/"));
    EXPECT_EQ(store.intValue(QStringLiteral("Players/Ton"), -1), 0);
}

}  // namespace
}  // namespace trivanto
