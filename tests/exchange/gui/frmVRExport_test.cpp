// The export window: its controls, both formats and the error outcomes.
#include "exchange/gui/frmVRExport.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>

#include "exchange/gui/exchange_window_fixture.h"

namespace varnel {
namespace {

using testing::readFileBytes;
using testing::writeFileBytes;

const char* const kCsvHeader =
    "First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,Include Company in "
    "Address,Home Phone,Cell Phone,Work Phone,Email,Birthdate,Category,Notes\r\n";

using ExportWindow = testing::ExchangeWindowFixture<frmVRExport>;

TEST_F(ExportWindow, OpensWithNoOptionChosenAndCreateDisabled) {
    frmVRExport* w = open();
    EXPECT_EQ(w->windowTitle(), "Export Contacts  [VRN_Contacts]");
    EXPECT_EQ(control<QLabel>("lblExpBanner")->text(), "Varnel");
    EXPECT_EQ(control<QLabel>("lblExpBanner")->font().family(), "Times New Roman");
    EXPECT_EQ(
        control<QLabel>("lblExport")->text(),
        "Select type of export file to create, Comma Separated Values (csv) or Text (txt).\r\n"
        "Export file will contain First Name, Middle Initial, Last Name, Street Address1,\r\n"
        "Street Address 2, City, State, Zip Code, Country, Company, Incl Company, Home "
        "Phone,\r\nCell Phone, Work Phone, Email Address, Birthdate, Category, and Notes.\r\n"
        "The export file will be stored in your Varnel folder.");
    EXPECT_FALSE(control<QRadioButton>("optExpCGCSV")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optExpCGTXT")->isChecked());
    EXPECT_FALSE(control<QPushButton>("cmdExpCreate")->isEnabled());
    EXPECT_EQ(control<QRadioButton>("optExpCGCSV")->text(),
              "Export contacts to comma separated values (.csv) file");
    EXPECT_EQ(control<QRadioButton>("optExpCGTXT")->toolTip(),
              "Creates and stores a text file of contacts, with file name of: VRNT_filename.txt");
    EXPECT_EQ(control<QPushButton>("cmdExpCreate")->text(), "&Create export file");
    EXPECT_EQ(control<QPushButton>("cmdExpCancel")->text(), "C&lose");
    EXPECT_EQ(control<QPushButton>("cmdExpCancel")->toolTip(), "Return to main screen");
    EXPECT_EQ(control<QAction>("mnuETHelpAbout")->text(), "About Varnel");

    control<QRadioButton>("optExpCGTXT")->click();
    EXPECT_TRUE(control<QPushButton>("cmdExpCreate")->isEnabled());
    control<QPushButton>("cmdExpCancel")->click();
    EXPECT_EQ(host.calls, std::vector<std::string>{"showMain"});
    EXPECT_TRUE(closed());
}

TEST_F(ExportWindow, CreatesTheCsvFileAndThenTheTextFile) {
    addContact("Ann", "Lee", "ann@x.com");
    frmVRExport* w = open();
    control<QRadioButton>("optExpCGCSV")->click();
    control<QPushButton>("cmdExpCreate")->click();
    EXPECT_EQ(readFileBytes(dir / "VRNC_VRN_Contacts.csv"),
              std::string(kCsvHeader) + "Ann,,Lee,,,,,,,,0,,,,ann@x.com,,,\r\n");
    EXPECT_EQ(dialogs.messages().back(),
              "Export file created|D O N E !  A csv file of contacts has been created and stored "
              "in your Varnel folder.  This file is named VRNC_VRN_Contacts.csv");
    EXPECT_EQ(w->focusWidget(), control<QPushButton>("cmdExpCancel"));

    control<QRadioButton>("optExpCGTXT")->click();
    control<QPushButton>("cmdExpCreate")->click();
    EXPECT_TRUE(std::filesystem::exists(dir / "VRNT_VRN_Contacts.txt"));
    EXPECT_EQ(dialogs.messages().back(),
              "Export file created|D O N E !  A text file of contacts has been created and stored "
              "in your Varnel folder.  This file is named VRNT_VRN_Contacts.txt");
}

TEST_F(ExportWindow, UnicodeCsvAndVCardAreChoicesOfTheirOwn) {
    addContact("Zo\xEB", "Lee", "zoe@x.com");
    open();
    EXPECT_EQ(control<QRadioButton>("optExpCGVCF")->text(), "Export contacts to vCard (.vcf) file");
    EXPECT_FALSE(control<QRadioButton>("optExpCGVCF")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("chkExpUtf8")->isChecked());

    control<QRadioButton>("optExpCGCSV")->click();
    control<QCheckBox>("chkExpUtf8")->click();
    control<QPushButton>("cmdExpCreate")->click();
    EXPECT_EQ(
        readFileBytes(dir / "VRNC_VRN_Contacts.csv"),
        "\xEF\xBB\xBF" + std::string(kCsvHeader) + "Zo\xC3\xAB,,Lee,,,,,,,,0,,,,zoe@x.com,,,\r\n");

    control<QRadioButton>("optExpCGVCF")->click();
    EXPECT_FALSE(control<QCheckBox>("chkExpUtf8")->isEnabled());  // a vCard is UTF-8 in any case
    control<QPushButton>("cmdExpCreate")->click();
    EXPECT_EQ(readFileBytes(dir / "VRNV_VRN_Contacts.vcf"),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Zo\xC3\xAB;;;\r\nFN:Zo\xC3\xAB Lee\r\n"
              "EMAIL;TYPE=INTERNET:zoe@x.com\r\nEND:VCARD\r\n");
    EXPECT_EQ(dialogs.messages().back(),
              "Export file created|D O N E !  A vCard file of contacts has been created and stored "
              "in your Varnel folder.  This file is named VRNV_VRN_Contacts.vcf");

    control<QRadioButton>("optExpCGTXT")->click();
    EXPECT_TRUE(control<QCheckBox>("chkExpUtf8")->isEnabled());
}

TEST_F(ExportWindow, WithoutAChoiceTheCsvFileIsWritten) {
    addContact("Ann", "Lee", "ann@x.com");
    frmVRExport* w = open();
    w->cmdExpCreate_Click();
    EXPECT_TRUE(std::filesystem::exists(dir / "VRNC_VRN_Contacts.csv"));
}

TEST_F(ExportWindow, AnEmptyFileSaysSoAndWritesNothing) {
    open();
    control<QRadioButton>("optExpCGCSV")->click();
    control<QPushButton>("cmdExpCreate")->click();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Export file not created|Export file could not be "
                                       "created.  There were no contacts on file."});
    EXPECT_FALSE(std::filesystem::exists(dir / "VRNC_VRN_Contacts.csv"));
}

TEST_F(ExportWindow, ErrorRetryStaysAndCancelReturnsToTheMainWindow) {
    addContact("Ann", "Lee", "ann@x.com");
    const std::string before = readFileBytes(dir / "VRN_Contacts.DAT");
    writeFileBytes(dir / "plain-file", "x");
    ctx.programFolder = dir / "plain-file";
    frmVRExport* w = open();
    control<QRadioButton>("optExpCGCSV")->click();
    control<QPushButton>("cmdExpCreate")->click();
    EXPECT_EQ(dialogs.messages().back(),
              "Error|An error has occurred. Error number 76 -- Path not found.  Try again, or "
              "notify author.");
    EXPECT_TRUE(w->isVisible());
    dialogs.queueAnswer(Answer::Cancel);
    control<QPushButton>("cmdExpCreate")->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(host.calls, std::vector<std::string>{"showMain"});
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), before);
}

TEST_F(ExportWindow, HelpAsksForTheSameManualAndAboutBoxAsEveryWindow) {
    open();
    control<QAction>("mnuETHelpUM")->trigger();
    control<QAction>("mnuETHelpAbout")->trigger();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"openManual", "openAbout"}));
}

TEST_F(ExportWindow, FileExitEndsTheProgram) {
    open();
    control<QAction>("mnuETFileExit")->trigger();
    EXPECT_EQ(host.calls, std::vector<std::string>{"endProgram"});
    EXPECT_FALSE(ctx.contactFile.isOpen());
    EXPECT_TRUE(closed());
}

}  // namespace
}  // namespace varnel
