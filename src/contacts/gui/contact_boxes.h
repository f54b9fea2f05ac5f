#pragma once
// The seventeen labelled contact boxes that both contact windows carry, with
// Enter moving on to the next control as Tab would.
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <array>

#include "contacts/contact_form.h"

namespace varnel {

// Swallows Enter in a text box and moves the focus on as Tab does.
class EnterMovesFocus : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class ContactBoxes {
public:
    // Creates the boxes and their caption labels as children of `parent`.
    explicit ContactBoxes(QWidget* parent);

    QLineEdit* box(ContactBox b) const { return boxes_[static_cast<std::size_t>(b)]; }
    QLabel* label(ContactBox b) const { return labels_[static_cast<std::size_t>(b)]; }

    // The texts as Windows-1252; the include-company tick is the caller's.
    ContactForm read() const;
    // Writes only the boxes whose text differs between `before` and `after`,
    // so text the code page cannot hold stays as typed where nothing changed.
    void writeChanged(const ContactForm& before, const ContactForm& after);
    void write(const ContactForm& form);
    void clear();
    void setEnabled(bool enabled);

    // Places the boxes in two columns and the notes below; `stateHelp` sits
    // beside the state box and `companyTick` (label and tick box) under the company.
    QGridLayout* makeLayout(QWidget* stateHelp, QLabel* companyTickLabel, QWidget* companyTick);

    // The boxes in tab order, for the window to chain its other controls after.
    QLineEdit* first() const { return box(ContactBox::FName); }
    QLineEdit* last() const { return box(ContactBox::Notes); }

private:
    std::array<QLineEdit*, kContactBoxCount> boxes_{};
    std::array<QLabel*, kContactBoxCount> labels_{};
};

// The boxes under the names both contact windows give them.
struct ContactBoxNames {
    void bindTo(const ContactBoxes& boxes);

    QLineEdit* txtACFName = nullptr;
    QLineEdit* txtACMiddleInit = nullptr;
    QLineEdit* txtACLName = nullptr;
    QLineEdit* txtACFStreet = nullptr;
    QLineEdit* txtACSStreet = nullptr;
    QLineEdit* txtACCity = nullptr;
    QLineEdit* txtACState = nullptr;
    QLineEdit* txtACZip = nullptr;
    QLineEdit* txtACCountry = nullptr;
    QLineEdit* txtACCompany = nullptr;
    QLineEdit* txtACBirthdate = nullptr;
    QLineEdit* txtACHPhone = nullptr;
    QLineEdit* txtACCPhone = nullptr;
    QLineEdit* txtACWPhone = nullptr;
    QLineEdit* txtACEmail = nullptr;
    QLineEdit* txtACCategory = nullptr;
    QLineEdit* txtACNotes = nullptr;
};

// A window button that Enter does not press by default.
QPushButton* makeContactButton(QWidget* parent, const char* name, const char* caption,
                               const char* tip);

}  // namespace varnel
