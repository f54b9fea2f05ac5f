#pragma once
// The new-contact form: one contact typed (or pre-filled from the label
// lines) and appended to the open contact file.
#include "contacts/gui/contact_window.h"
#include "contacts/label_lines.h"

namespace varnel {

class frmNewContact : public ContactWindow {
    Q_OBJECT
public:
    frmNewContact(AppState& state, WindowHost& host, QWidget* parent = nullptr);

    // Hides the main window, shows this one with its title, focus on the first name.
    void Form_Load();
    // The pieces the label-line rules reached.
    void fillFromLabelLines(const LabelLineContact& contact);

private:
    void cmdSave_Click();
    Question saveQuestion() const override;
    SaveResult saveBeforeClosing() override;
    void companyChanged() override;
};

}  // namespace varnel
