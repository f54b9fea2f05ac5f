#pragma once
// What both contact windows share: the seventeen boxes with the include-company
// tick, the look-up buttons, Save and Close, the Edit and Help menus, the save
// itself and the question when a window with unsaved changes is closed.
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <cstdint>
#include <string>
#include <vector>

#include "contacts/contact_form.h"
#include "contacts/field_rules.h"
#include "contacts/gui/contact_boxes.h"
#include "ports/app_state.h"
#include "ports/window_host.h"
#include "shell/gui/window_chrome.h"

namespace varnel {

class ContactWindow : public QMainWindow, protected ContactBoxNames {
    Q_OBJECT
public:
    // The tick and its label carry `tickName` and `tickLabelName`.
    ContactWindow(AppState& state, WindowHost& host, QWidget* parent, const char* objectName,
                  const char* tickName, const char* tickLabelName);

protected:
    enum class SaveResult {
        Saved,      // written, "S A V E D" shown
        Refused,    // a check failed: its box shown, its field focused
        Retried,    // a file error, and the user chose Retry
        Abandoned,  // a file error, and the user chose Cancel: the window must close
    };

    // The save of either window: checks and tidying on the boxes as they
    // stand, the record written (appended for a new contact), the boxes shown
    // tidied, and the outcome's box.
    SaveResult saveForm(SaveKind kind, std::int32_t record);

    // The boxes and tick as they stand now are what the file holds (or what
    // the window opened with): closing asks nothing until they change.
    void markUnchanged();
    bool hasUnsavedChanges() const;
    const ContactForm& unchangedForm() const { return unchanged_; }
    ContactForm readForm() const;
    // "First MI Last" of a form, one blank between the pieces.
    static std::string nameOf(const ContactForm& form);

    // Closes without the question (after a save, a deletion, an error box's
    // Cancel); `showMain` false when the caller brings the main window back itself.
    void closeWithoutAsking(bool showMain = true);

    struct Question {
        std::string title;
        std::string text;
    };
    // The question a close with unsaved changes asks, and the save Yes runs.
    virtual Question saveQuestion() const = 0;
    virtual SaveResult saveBeforeClosing() = 0;
    // The window's own work on closing (after the question, before the main window returns).
    virtual void closing() {}
    virtual void companyChanged() = 0;

    void addEditAndHelpMenus(const EditMenuNames& edit, const HelpMenuNames& help);
    // The boxes, the tick under the company and the buttons below.
    QLayout* makeFormLayout(const std::vector<QPushButton*>& rightButtons);

    void closeEvent(QCloseEvent* event) override;

    ContactRecord savedRecord_;  // the record the last successful save wrote
    AppState& state_;
    WindowHost& host_;
    ContactBoxes boxes_;
    QWidget* central_;
    QLabel* companyTickLabel_;
    QCheckBox* companyTick_;
    QPushButton* cmdSave;
    QPushButton* cmdCancel;
    QPushButton* cmdStateAbb;
    QPushButton* cmdZipFinder;
    QPushButton* cmdPeopleFind;

private:
    bool closeConfirmed();

    ContactForm unchanged_;
    bool asking_ = true;
    bool returnToMain_ = true;
};

}  // namespace varnel
