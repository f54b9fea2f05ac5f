// The About box.
#include "shell/gui/frmVRAbout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

namespace varnel {
namespace {

TEST(AboutWindow, ShowsTheTitleAndTheVersionOfThisBuild) {
    QPointer<frmVRAbout> about = new frmVRAbout;
    about->show();
    EXPECT_EQ(about->windowTitle(), "About Varnel");
    EXPECT_EQ(about->lblTitle->text(), "Varnel");
    EXPECT_EQ(about->lblVersion->text(), QString("Version ") + VARNEL_VERSION);
    EXPECT_FALSE(about->lblDescription->text().isEmpty());
    EXPECT_FALSE(about->lblDisclaimer->text().isEmpty());
    EXPECT_FALSE(about->lblPrivacy->text().isEmpty());
    EXPECT_FALSE(about->picIcon->pixmap().isNull());
    EXPECT_EQ(about->cmdOK->text(), "OK");
    EXPECT_FALSE(about->isModal());

    about->cmdOK->click();
    EXPECT_FALSE(about->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

}  // namespace
}  // namespace varnel
