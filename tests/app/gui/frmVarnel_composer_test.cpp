// The composer driven through the main window's real controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "app/gui/frmVarnel.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

class Composer : public ::testing::Test {
protected:
    Composer() : ctx(dialogs, printer, clock, dir.path()), w(ctx) { w.Form_Load(); }

    void pressEnter(QWidget* target) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedPrinter printer;
    testing::FixedClock clock;
    AppState ctx;
    frmVarnel w;
};

TEST_F(Composer, EnterInLinesOneToFourMovesToTheNextLine) {
    w.activateWindow();
    for (int i = 0; i < 4; ++i) {
        w.txtVRLines[static_cast<std::size_t>(i)]->setFocus();
        pressEnter(w.txtVRLines[static_cast<std::size_t>(i)]);
        EXPECT_EQ(w.focusWidget(), w.txtVRLines[static_cast<std::size_t>(i + 1)])
            << "line " << i + 1;
    }
    pressEnter(w.txtVRLines[4]);
    EXPECT_EQ(w.focusWidget(), w.txtVRLines[4]);
    EXPECT_EQ(w.txtVRLines[4]->objectName(), "txtVRLine5");
    EXPECT_EQ(w.txtVRLines[2]->objectName(), "txtVRline3");
}

TEST_F(Composer, EnvelopeChoiceShowsTheSizeListAndSetsTheOriginFromIt) {
    w.optVREnvelope->click();
    EXPECT_TRUE(w.optLandscape->isChecked());
    EXPECT_FALSE(w.cboVREnvelope->isHidden());
    EXPECT_EQ(w.cboVREnvelope->currentIndex(), -1);
    EXPECT_FALSE(w.chkBold->isHidden());
    EXPECT_TRUE(w.frFeatures->isHidden());
    w.cboVREnvelope->setCurrentIndex(1);
    emit w.cboVREnvelope->activated(1);
    EXPECT_EQ(w.txtVRLeftPad->text(), "33");
    EXPECT_EQ(w.txtVRToppad->text(), "32");
    EXPECT_EQ(w.lblVREnvSize->text(), "#6 3/4 Small envelope (3 5/8 in x 6 1/2 in)");
    EXPECT_EQ(w.readComposer().EnvelopeSize, "2");
    w.optPortrait->click();
    EXPECT_EQ(w.txtVRLeftPad->text(), "2");
    EXPECT_EQ(w.txtVRToppad->text(), "3");
}

TEST_F(Composer, CenteredAlignsTheLineBoxes) {
    w.optVRCenter->click();
    for (QLineEdit* line : w.txtVRLines) EXPECT_TRUE(line->alignment() & Qt::AlignHCenter);
    w.optVRLeftjust->click();
    for (QLineEdit* line : w.txtVRLines) EXPECT_TRUE(line->alignment() & Qt::AlignLeft);
}

TEST_F(Composer, ClearEmptiesTheLinesAndDeselectsBothMedia) {
    w.txtVRLines[0]->setText("Jane Doe");
    w.txtVRLines[4]->setText("USA");
    w.optVREnvelope->click();
    w.chkBold->click();
    w.cmdVRClear->click();
    for (QLineEdit* line : w.txtVRLines) EXPECT_TRUE(line->text().isEmpty());
    EXPECT_FALSE(w.optVRLabel->isChecked());
    EXPECT_FALSE(w.optVREnvelope->isChecked());
    EXPECT_FALSE(w.chkBold->isChecked());
    EXPECT_TRUE(w.chkBold->isHidden());
    EXPECT_TRUE(w.cboVREnvelope->isHidden());
    EXPECT_TRUE(w.lblVRPosition->isHidden());
    EXPECT_TRUE(w.optVRLeftjust->isChecked());
    EXPECT_EQ(w.readComposer().EnvelopeSize, "0");
    EXPECT_EQ(w.readComposer().StartPosition, "0");
}

TEST_F(Composer, NonAsciiTextReachesCoreAsWindows1252) {
    w.txtVRLines[0]->setText(QString::fromUtf8("Zoë Müller €"));
    EXPECT_EQ(w.readComposer().lines[0], "Zo\xEB M\xFCller \x80");
    // Other scripts in the closest Latin letters; "?" only where nothing fits.
    w.txtVRLines[1]->setText(QString::fromUtf8("北京 Łódź"));
    EXPECT_EQ(w.readComposer().lines[1],
              "bei jing L\xF3"
              "dz");
    w.txtVRLines[2]->setText(QString::fromUtf8("a😀b"));
    EXPECT_EQ(w.readComposer().lines[2], "a?b");
}

}  // namespace
}  // namespace varnel
