#pragma once
// The detail sheet as the contact browser's File > "Print" starts it.
#include <QWidget>
#include <string>

#include "calendar/date.h"
#include "contacts/detail_sheet.h"
#include "ports/app_state.h"

namespace varnel {

// A date in the system's short date format, as Windows-1252 text.
std::string systemShortDate(const Date& date);

// Prints the sheet of `values` dated today by the context's clock. `focused`
// is the browser's focused control; `textBoxes` are its text boxes, whose
// selection the "Selection" choice prints.
PrintOutcome printDetailSheetOf(const DetailValues& values, const QWidget* focused,
                                const std::vector<const QWidget*>& textBoxes, AppState& context,
                                PrintMode mode = PrintMode::Print);

}  // namespace varnel
