#include "contacts/gui/detail_sheet_print.h"

#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>

#include "ports/gui/qt_text.h"

namespace varnel {

std::string systemShortDate(const Date& date) {
    const QDate d(date.year, date.month, date.day);
    return toCp(QLocale::system().toString(d, QLocale::ShortFormat));
}

PrintOutcome printDetailSheetOf(const DetailValues& values, const QWidget* focused,
                                const std::vector<const QWidget*>& textBoxes, AppState& context,
                                PrintMode mode) {
    DetailSheetRequest request;
    request.mode = mode;
    request.fileTitle = context.contactFile.path().stem().string();
    request.values = values;
    request.dateText = systemShortDate(context.clock.today());
    const bool isBox = focused != nullptr &&
                       std::find(textBoxes.begin(), textBoxes.end(), focused) != textBoxes.end();
    if (const auto* box = qobject_cast<const QLineEdit*>(focused); isBox && box != nullptr) {
        request.focusOnTextBox = true;
        request.selectedText = toCp(box->selectedText());
    }
    return printDetailSheet(request, context.dialogs, context.printer);
}

}  // namespace varnel
