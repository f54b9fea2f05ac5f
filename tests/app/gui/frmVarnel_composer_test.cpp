// The composer driven through the main window's real controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/gui/frmVarnel.h"
#include "support/fixed_clock.h"
#include "support/gui/composer_controls.h"
#include "support/gui/find_control.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_printer.h"
#include "support/temp_dir.h"

namespace varnel {
namespace {

class Composer : public ::testing::Test {
protected:
    Composer() : ctx(dialogs, printer, clock, dir.path()), w(ctx) { w.Form_Load(); }

    template <typename Control>
    Control* control(const char* name) {
        return testing::find<Control>(&w, name);
    }

    QLineEdit* line(std::size_t index) { return testing::composerLine(w, index); }

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
        line(static_cast<std::size_t>(i))->setFocus();
        pressEnter(line(static_cast<std::size_t>(i)));
        EXPECT_EQ(w.focusWidget(), line(static_cast<std::size_t>(i + 1))) << "line " << i + 1;
    }
    pressEnter(line(4));
    EXPECT_EQ(w.focusWidget(), line(4));
    EXPECT_EQ(line(4)->objectName(), "txtVRLine5");
    EXPECT_EQ(line(2)->objectName(), "txtVRline3");
}

TEST_F(Composer, EnvelopeChoiceShowsTheSizeListAndSetsTheOriginFromIt) {
    control<QRadioButton>("optVREnvelope")->click();
    EXPECT_TRUE(control<QRadioButton>("optLandscape")->isChecked());
    EXPECT_FALSE(control<QComboBox>("cboVREnvelope")->isHidden());
    EXPECT_EQ(control<QComboBox>("cboVREnvelope")->currentIndex(), -1);
    EXPECT_FALSE(control<QCheckBox>("chkBold")->isHidden());
    EXPECT_TRUE(control<QGroupBox>("frFeatures")->isHidden());
    control<QComboBox>("cboVREnvelope")->setCurrentIndex(1);
    emit control<QComboBox>("cboVREnvelope")->activated(1);
    EXPECT_EQ(control<QLineEdit>("txtVRLeftPad")->text(), "33");
    EXPECT_EQ(control<QLineEdit>("txtVRToppad")->text(), "32");
    EXPECT_EQ(control<QLabel>("lblVREnvSize")->text(),
              "#6 3/4 Small envelope (3 5/8 in x 6 1/2 in)");
    EXPECT_EQ(w.readComposer().envelopeSize, 2);
    control<QRadioButton>("optPortrait")->click();
    EXPECT_EQ(control<QLineEdit>("txtVRLeftPad")->text(), "2");
    EXPECT_EQ(control<QLineEdit>("txtVRToppad")->text(), "3");
}

TEST_F(Composer, CenteredAlignsTheLineBoxes) {
    control<QRadioButton>("optVRCenter")->click();
    for (std::size_t i = 0; i < 5; ++i) EXPECT_TRUE(line(i)->alignment() & Qt::AlignHCenter);
    control<QRadioButton>("optVRLeftjust")->click();
    for (std::size_t i = 0; i < 5; ++i) EXPECT_TRUE(line(i)->alignment() & Qt::AlignLeft);
}

TEST_F(Composer, ClearEmptiesTheLinesAndDeselectsBothMedia) {
    line(0)->setText("Jane Doe");
    line(4)->setText("USA");
    control<QRadioButton>("optVREnvelope")->click();
    control<QCheckBox>("chkBold")->click();
    control<QPushButton>("cmdVRClear")->click();
    for (std::size_t i = 0; i < 5; ++i) EXPECT_TRUE(line(i)->text().isEmpty());
    EXPECT_FALSE(control<QRadioButton>("optVRLabel")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optVREnvelope")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("chkBold")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("chkBold")->isHidden());
    EXPECT_TRUE(control<QComboBox>("cboVREnvelope")->isHidden());
    EXPECT_TRUE(control<QLabel>("lblVRPosition")->isHidden());
    EXPECT_TRUE(control<QRadioButton>("optVRLeftjust")->isChecked());
}

TEST_F(Composer, NonAsciiTextReachesCoreAsWindows1252) {
    line(0)->setText(QString::fromUtf8("Zoë Müller €"));
    EXPECT_EQ(w.readComposer().lines[0], "Zo\xEB M\xFCller \x80");
    // Other scripts in the closest Latin letters; "?" only where nothing fits.
    line(1)->setText(QString::fromUtf8("北京 Łódź"));
    EXPECT_EQ(w.readComposer().lines[1],
              "bei jing L\xF3"
              "dz");
    line(2)->setText(QString::fromUtf8("a😀b"));
    EXPECT_EQ(w.readComposer().lines[2], "a?b");
}

}  // namespace
}  // namespace varnel
