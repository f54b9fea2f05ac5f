#include "ports/gui/qt_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QSettings>
#include <QUrl>

#include "ports/gui/input_box.h"
#include "ports/gui/long_message.h"
#include "ports/gui/qt_text.h"

namespace varnel {

QWidget* QtDialogs::parent() const { return QApplication::activeWindow(); }

Answer QtDialogs::messageBox(const std::string& title, const std::string& text, Icon icon,
                             Buttons buttons) {
    return messageBoxWithDetails(title, text, std::string(), icon, buttons);
}

Answer QtDialogs::messageBoxWithDetails(const std::string& title, const std::string& text,
                                        const std::string& details, Icon icon, Buttons buttons) {
    QMessageBox box(parent());
    box.setWindowTitle(fromCp(title));
    const MessageParts parts = fitMessage(fromCp(text), QString::fromStdString(details));
    box.setText(parts.text);
    if (!parts.details.isEmpty()) box.setDetailedText(parts.details);
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Exclamation:
        case Icon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
    }
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case Buttons::RetryCancel:
            box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Retry:
            return Answer::Retry;
        case QMessageBox::Ok:
            return Answer::Ok;
        default:
            return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

std::string QtDialogs::inputBox(const std::string& title, const std::string& prompt,
                                const std::string& preset) {
    std::unique_ptr<QInputDialog> box =
        makeInputBox(parent(), fromCp(title), fromCp(prompt), fromCp(preset));
    if (box->exec() != QDialog::Accepted) return {};
    return toCp(box->textValue());
}

void QtDialogs::beep() { QApplication::beep(); }

FileDialogResult QtDialogs::openFileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(parent(), fromCp(request.title),
                       QString::fromStdString(request.initialFolder),
                       fromCp(request.filterDescription));
    dialog.setNameFilter(fromCp(request.filterDescription));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString());  // a typed name gets no extension added
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString path = dialog.selectedFiles().first();
    return {path.toStdString(), QFileInfo(path).fileName().toStdString()};
}

std::string QtDialogs::clipboardText() { return toCp(QGuiApplication::clipboard()->text()); }

void QtDialogs::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(fromCp(text));
}

bool QtDialogs::shellOpen(const std::string& target) {
    QString t = QString::fromStdString(target);
    QUrl url = t.contains("://") ? QUrl(t) : QUrl::fromLocalFile(t);
    return QDesktopServices::openUrl(url);
}

void QtDialogs::saveSetting(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(application), QString::fromStdString(application));
    settings.setValue(QString::fromStdString(section + "/" + key), QString::fromStdString(value));
}

std::string QtDialogs::getSetting(const std::string& application, const std::string& section,
                                  const std::string& key) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(application), QString::fromStdString(application));
    return settings.value(QString::fromStdString(section + "/" + key)).toString().toStdString();
}

void QtDialogs::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace varnel
