// The About box.
#include "shell/gui/frmVRAbout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "support/fixed_clock.h"
#include "support/gui/find_control.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/scripted_window_host.h"

namespace varnel {
namespace {

using testing::find;

TEST(AboutWindow, ShowsTheTitleAndTheVersionOfThisBuild) {
    testing::ScriptedDialogs dialogs;
    testing::ScriptedPrinter printer;
    testing::FixedClock clock;
    AppState state(dialogs, printer, clock, {});
    testing::ScriptedWindowHost host;
    QPointer<frmVRAbout> about = new frmVRAbout(state, host);
    about->show();
    EXPECT_EQ(about->windowTitle(), "About Varnel");
    EXPECT_EQ(find<QLabel>(about, "lblTitle")->text(), "Varnel");
    EXPECT_EQ(find<QLabel>(about, "lblVersion")->text(), QString("Version ") + VARNEL_VERSION);
    EXPECT_FALSE(find<QLabel>(about, "lblDescription")->text().isEmpty());
    EXPECT_FALSE(find<QLabel>(about, "lblDisclaimer")->text().isEmpty());
    EXPECT_FALSE(find<QLabel>(about, "lblPrivacy")->text().isEmpty());
    EXPECT_FALSE(find<QLabel>(about, "picIcon")->pixmap().isNull());
    EXPECT_EQ(find<QPushButton>(about, "cmdOK")->text(), "OK");
    EXPECT_FALSE(about->isModal());

    find<QPushButton>(about, "cmdOK")->click();
    EXPECT_FALSE(about->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
    EXPECT_TRUE(host.calls.empty());
}

}  // namespace
}  // namespace varnel
