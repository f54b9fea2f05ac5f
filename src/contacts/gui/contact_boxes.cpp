#include "contacts/gui/contact_boxes.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

#include "ports/gui/qt_text.h"

namespace varnel {

bool EnterMovesFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(watched, &tab);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

ContactBoxes::ContactBoxes(QWidget* parent) {
    auto* enter = new EnterMovesFocus(parent);
    QWidget* previous = nullptr;
    for (ContactBox b : kAllContactBoxes) {
        auto i = static_cast<std::size_t>(b);
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(boxName(b));
        edit->installEventFilter(enter);
        // A pasted line break would split the record's line: it becomes a space.
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
            if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'))) return;
            const int cursor = edit->cursorPosition();
            QString oneLine = text;
            oneLine.replace(QLatin1String("\r\n"), QLatin1String(" "));
            oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '));
            oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
            edit->setText(oneLine);
            edit->setCursorPosition(std::min(cursor, static_cast<int>(oneLine.size())));
        });
        auto* caption = new QLabel(boxCaption(b), parent);
        caption->setBuddy(edit);
        boxes_[i] = edit;
        labels_[i] = caption;
        if (previous) QWidget::setTabOrder(previous, edit);
        previous = edit;
    }
    for (QLineEdit* e : boxes_) e->setMinimumWidth(210);
    for (ContactBox narrow : {ContactBox::MiddleInit, ContactBox::State}) {
        box(narrow)->setMinimumWidth(0);
    }
    box(ContactBox::Zip)->setMinimumWidth(110);
    box(ContactBox::Birthdate)->setMinimumWidth(110);
    box(ContactBox::MiddleInit)->setMaximumWidth(40);
    box(ContactBox::State)->setMaximumWidth(48);
    box(ContactBox::Zip)->setMaximumWidth(110);
    box(ContactBox::Birthdate)->setMaximumWidth(110);
}

ContactForm ContactBoxes::read() const {
    ContactForm form;
    for (ContactBox b : kAllContactBoxes) form[b] = toCp(box(b)->text());
    return form;
}

void ContactBoxes::writeChanged(const ContactForm& before, const ContactForm& after) {
    for (ContactBox b : kAllContactBoxes) {
        if (before[b] != after[b]) box(b)->setText(fromCp(after[b]));
    }
}

void ContactBoxes::write(const ContactForm& form) {
    for (ContactBox b : kAllContactBoxes) box(b)->setText(fromCp(form[b]));
}

void ContactBoxes::clear() {
    for (QLineEdit* e : boxes_) e->clear();
}

void ContactBoxes::setEnabled(bool enabled) {
    for (QLineEdit* e : boxes_) e->setEnabled(enabled);
}

QGridLayout* ContactBoxes::makeLayout(QWidget* stateHelp, QLabel* companyTickLabel,
                                      QWidget* companyTick) {
    using B = ContactBox;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    auto place = [&](B b, int row, int column) {
        grid->addWidget(label(b), row, column, Qt::AlignRight);
        grid->addWidget(box(b), row, column + 1);
    };
    int row = 0;
    for (B b : {B::FName, B::MiddleInit, B::LName, B::FStreet, B::SStreet, B::City}) {
        place(b, row++, 0);
    }
    grid->addWidget(label(B::State), row, 0, Qt::AlignRight);
    auto* stateRow = new QHBoxLayout;
    stateRow->addWidget(box(B::State));
    if (stateHelp) stateRow->addWidget(stateHelp);
    stateRow->addStretch();
    grid->addLayout(stateRow, row++, 1);
    place(B::Zip, row++, 0);
    place(B::Country, row++, 0);

    row = 0;
    place(B::Company, row++, 2);
    auto* tickRow = new QHBoxLayout;
    if (companyTick) tickRow->addWidget(companyTick);
    if (companyTickLabel) tickRow->addWidget(companyTickLabel);
    tickRow->addStretch();
    grid->addLayout(tickRow, row++, 3);
    for (B b : {B::Birthdate, B::HPhone, B::CPhone, B::WPhone, B::Email, B::Category}) {
        place(b, row++, 2);
    }
    grid->addWidget(label(B::Notes), 9, 0, Qt::AlignRight);
    grid->addWidget(box(B::Notes), 9, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return grid;
}

void ContactBoxNames::bindTo(const ContactBoxes& boxes) {
    txtACFName = boxes.box(ContactBox::FName);
    txtACMiddleInit = boxes.box(ContactBox::MiddleInit);
    txtACLName = boxes.box(ContactBox::LName);
    txtACFStreet = boxes.box(ContactBox::FStreet);
    txtACSStreet = boxes.box(ContactBox::SStreet);
    txtACCity = boxes.box(ContactBox::City);
    txtACState = boxes.box(ContactBox::State);
    txtACZip = boxes.box(ContactBox::Zip);
    txtACCountry = boxes.box(ContactBox::Country);
    txtACCompany = boxes.box(ContactBox::Company);
    txtACBirthdate = boxes.box(ContactBox::Birthdate);
    txtACHPhone = boxes.box(ContactBox::HPhone);
    txtACCPhone = boxes.box(ContactBox::CPhone);
    txtACWPhone = boxes.box(ContactBox::WPhone);
    txtACEmail = boxes.box(ContactBox::Email);
    txtACCategory = boxes.box(ContactBox::Category);
    txtACNotes = boxes.box(ContactBox::Notes);
}

QPushButton* makeContactButton(QWidget* parent, const char* name, const char* caption,
                               const char* tip) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (tip) b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

}  // namespace varnel
