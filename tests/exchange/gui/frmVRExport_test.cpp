// The export window: its controls, both formats and the error outcomes.
#include "exchange/gui/frmVRExport.h"

#include <gtest/gtest.h>

#include <QToolTip>

#include "exchange/gui/exchange_window_fixture.h"
#include "shell/gui/frmVRAbout.h"

namespace varnel {
namespace {

using testing::readFileBytes;
using testing::writeFileBytes;

const char* const kCsvHeader =
    "First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,Include Company in "
    "Address,Home Phone,Cell Phone,Work Phone,Email,Birthdate,Category,Notes\r\n";

class ExportWindow : public testing::MainWindowFixture {
protected:
    frmVRExport* open() {
        main->mnuExport->trigger();
        frmVRExport* w = shown<frmVRExport>();
        EXPECT_NE(w, nullptr);
        return w;
    }
};

TEST_F(ExportWindow, OpensWithNoOptionChosenAndCreateDisabled) {
    frmVRExport* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(w->windowTitle(), "Export Contacts  [VRN_Contacts]");
    EXPECT_EQ(w->lblExpBanner->text(), "Varnel");
    EXPECT_EQ(w->lblExpBanner->font().family(), "Times New Roman");
    EXPECT_EQ(
        w->lblExport->text(),
        "Select type of export file to create, Comma Separated Values (csv) or Text (txt).\r\n"
        "Export file will contain First Name, Middle Initial, Last Name, Street Address1,\r\n"
        "Street Address 2, City, State, Zip Code, Country, Company, Incl Company, Home "
        "Phone,\r\nCell Phone, Work Phone, Email Address, Birthdate, Category, and Notes.\r\n"
        "The export file will be stored in your Varnel folder.");
    EXPECT_FALSE(w->optExpCGCSV->isChecked());
    EXPECT_FALSE(w->optExpCGTXT->isChecked());
    EXPECT_FALSE(w->cmdExpCreate->isEnabled());
    EXPECT_EQ(w->optExpCGCSV->text(), "Export contacts to comma separated values (.csv) file");
    EXPECT_EQ(w->optExpCGTXT->toolTip(),
              "Creates and stores a text file of contacts, with file name of: VRNT_filename.txt");
    EXPECT_EQ(w->cmdExpCreate->text(), "&Create export file");
    EXPECT_EQ(w->cmdExpCancel->text(), "C&lose");
    EXPECT_EQ(w->cmdExpCancel->toolTip(), "Return to main screen");
    EXPECT_EQ(w->mnuETHelpAbout->text(), "About Varnel");

    w->optExpCGTXT->click();
    EXPECT_TRUE(w->cmdExpCreate->isEnabled());
    w->cmdExpCancel->click();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->focusWidget(), main->txtVRLines[0]);
}

TEST_F(ExportWindow, CreatesTheCsvFileAndThenTheTextFile) {
    addContact("Ann", "Lee", "ann@x.com");
    frmVRExport* w = open();
    w->optExpCGCSV->click();
    w->cmdExpCreate->click();
    EXPECT_EQ(readFileBytes(dir / "VRNC_VRN_Contacts.csv"),
              std::string(kCsvHeader) + "Ann,,Lee,,,,,,,,0,,,,ann@x.com,,,\r\n");
    EXPECT_EQ(dialogs.messages().back(),
              "Export file created|D O N E !  A csv file of contacts has been created and stored "
              "in your Varnel folder.  This file is named VRNC_VRN_Contacts.csv");
    EXPECT_EQ(w->focusWidget(), w->cmdExpCancel);

    w->optExpCGTXT->click();
    w->cmdExpCreate->click();
    EXPECT_TRUE(std::filesystem::exists(dir / "VRNT_VRN_Contacts.txt"));
    EXPECT_EQ(dialogs.messages().back(),
              "Export file created|D O N E !  A text file of contacts has been created and stored "
              "in your Varnel folder.  This file is named VRNT_VRN_Contacts.txt");
}

TEST_F(ExportWindow, UnicodeCsvAndVCardAreChoicesOfTheirOwn) {
    addContact("Zo\xEB", "Lee", "zoe@x.com");
    frmVRExport* w = open();
    EXPECT_EQ(w->optExpCGVCF->text(), "Export contacts to vCard (.vcf) file");
    EXPECT_FALSE(w->optExpCGVCF->isChecked());
    EXPECT_FALSE(w->chkExpUtf8->isChecked());

    w->optExpCGCSV->click();
    w->chkExpUtf8->click();
    w->cmdExpCreate->click();
    EXPECT_EQ(
        readFileBytes(dir / "VRNC_VRN_Contacts.csv"),
        "\xEF\xBB\xBF" + std::string(kCsvHeader) + "Zo\xC3\xAB,,Lee,,,,,,,,0,,,,zoe@x.com,,,\r\n");

    w->optExpCGVCF->click();
    EXPECT_FALSE(w->chkExpUtf8->isEnabled());  // a vCard is UTF-8 in any case
    w->cmdExpCreate->click();
    EXPECT_EQ(readFileBytes(dir / "VRNV_VRN_Contacts.vcf"),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Zo\xC3\xAB;;;\r\nFN:Zo\xC3\xAB Lee\r\n"
              "EMAIL;TYPE=INTERNET:zoe@x.com\r\nEND:VCARD\r\n");
    EXPECT_EQ(dialogs.messages().back(),
              "Export file created|D O N E !  A vCard file of contacts has been created and stored "
              "in your Varnel folder.  This file is named VRNV_VRN_Contacts.vcf");

    w->optExpCGTXT->click();
    EXPECT_TRUE(w->chkExpUtf8->isEnabled());
}

TEST_F(ExportWindow, WithoutAChoiceTheCsvFileIsWritten) {
    addContact("Ann", "Lee", "ann@x.com");
    frmVRExport* w = open();
    w->cmdExpCreate_Click();
    EXPECT_TRUE(std::filesystem::exists(dir / "VRNC_VRN_Contacts.csv"));
}

TEST_F(ExportWindow, AnEmptyFileSaysSoAndWritesNothing) {
    frmVRExport* w = open();
    w->optExpCGCSV->click();
    w->cmdExpCreate->click();
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
    w->optExpCGCSV->click();
    w->cmdExpCreate->click();
    EXPECT_EQ(dialogs.messages().back(),
              "Error|An error has occurred. Error number 76 -- Path not found.  Try again, or "
              "notify author.");
    EXPECT_TRUE(w->isVisible());
    dialogs.queueAnswer(Answer::Cancel);
    w->cmdExpCreate->click();
    EXPECT_EQ(shown<frmVRExport>(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(readFileBytes(dir / "VRN_Contacts.DAT"), before);
}

TEST_F(ExportWindow, HelpOpensTheSameManualAsTheMainWindow) {
    main->mnuManual->trigger();
    frmVRExport* w = open();
    w->mnuETHelpUM->trigger();
    ASSERT_EQ(dialogs.opened.size(), 2u);
    EXPECT_EQ(dialogs.opened[0], dialogs.opened[1]);
    EXPECT_EQ(dialogs.opened[1], (dir / "vrnUman.pdf").string());
    w->mnuETHelpAbout->trigger();
    EXPECT_NE(shown<frmVRAbout>(), nullptr);
}

TEST_F(ExportWindow, FileExitEndsTheProgram) {
    frmVRExport* w = open();
    w->mnuETFileExit->trigger();
    EXPECT_TRUE(main->isClosed());
    EXPECT_FALSE(ctx.contactFile.isOpen());
}

}  // namespace
}  // namespace varnel
