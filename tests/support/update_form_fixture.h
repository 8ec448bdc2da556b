#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/common/file_path.h"
#include "core/lang/window_texts.h"
#include "support/fake_online_services.h"
#include "support/fake_services.h"
#include "support/find_control.h"
#include "support/keyboard_keys.h"
#include "support/scripted_file_fetcher.h"
#include "ui/common/window_text_applier.h"
#include "ui/update/onlineupdate_form.h"
#include "ui/widgets/t_check_group_list.h"
#include "ui/widgets/t_flat_progress_bar.h"

namespace trivanto::updatetest {

// The update wizard alone on fakes: a program folder of its own, a system with one active
// connection, a fetcher the test completes by hand, and the clock standing still. The update
// server's address is on the loopback interface, so the banner update the wizard starts never
// leaves this computer.
class OnlineupdateFormTest : public testing::Test {
protected:
    explicit OnlineupdateFormTest(Language language = Language::Englisch) : m_language(language) {}

    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        fake = std::make_unique<FakeServices>(m_dir.path(), m_dir.path(), m_language);
        fake->catalogue = MessageCatalogue(QStringLiteral("127.0.0.1:9"));
        fake->catalogue.apply(m_language);
        online = std::make_unique<FakeOnlineServices>(*fake);
        online->backend.connections = {QStringLiteral("eth0")};
        auto scripted = std::make_unique<ScriptedFileFetcher>();
        fetcher = scripted.get();
        form = std::make_unique<TOnlineupdateForm>(fake->services(), online->services(),
                                                   std::move(scripted));
        applyWindowTexts(form.get(),
                         resolvedWindowTexts(QStringLiteral("TOnlineupdateForm"), m_language));
        form->FormShow();
        form->show();
    }

    void TearDown() override {
        form.reset();
        online.reset();
    }

    QString progDir() const { return m_dir.path(); }
    QString prog(const QString& name) const { return filePath(m_dir.path(), name); }
    QString text(Msg key) const { return fake->catalogue.text(key); }

    template <typename T = QWidget>
    T* control(const char* name) const {
        return findControl<T>(form.get(), QLatin1String(name));
    }
    QAbstractButton* button(const char* name) const { return control<QAbstractButton>(name); }
    QString label(const char* name) const { return control<QLabel>(name)->text(); }
    int bar(const char* name) const { return control<TFlatProgressBar>(name)->value(); }
    TCheckGroupList* list() const { return control<TCheckGroupList>("AuswahlBox"); }

    void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    // A click on a package's box, or on its row outside the box, as the user makes it.
    void clickBox(int group, int row) const {
        TCheckGroupList* box = list();
        box->setGroupExpanded(group, true);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                          box->checkBoxRect(group, row).center());
    }
    void clickRow(int group, int row) const {
        TCheckGroupList* box = list();
        box->setGroupExpanded(group, true);
        const QRect rect = box->rowRect(group, row);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                          QPoint(rect.right() - 4, rect.center().y()));
    }

    // Proceed on page start: the system answers that the computer is on line, then the
    // catalogue arrives with `bytes`.
    void openCatalogue(const QByteArray& bytes) {
        click("WeiterButton");
        online->backend.settle();
        ASSERT_TRUE(fetcher->busy());
        fetcher->succeed(bytes);
    }

    // Lets the system answer and the timers run (unpacking, the pause after a hang-up) until
    // the run has ended or waits for a fetch.
    void runClock() {
        do {
            online->backend.settle();
        } while (form->currentPage() != QLatin1String("fertig") && !fetcher->busy() &&
                 fake->clock.advanceToNextTimer());
    }

    QStringList messages() const {
        QStringList out;
        for (const MessageRequest& request : fake->dialog.requests()) {
            out.append(request.text);
        }
        return out;
    }

    std::unique_ptr<FakeServices> fake;
    std::unique_ptr<FakeOnlineServices> online;
    ScriptedFileFetcher* fetcher = nullptr;  // owned by the form
    std::unique_ptr<TOnlineupdateForm> form;

private:
    Language m_language;
    QTemporaryDir m_dir;
};

}  // namespace trivanto::updatetest
