#pragma once
// What every print command shares beyond its layout: the document's title,
// the printer's calibration, the box that names the lines a label cuts, and
// the preview shown before paper.
#include <string>
#include <string_view>

#include "ports/dialogs.h"
#include "ports/document.h"
#include "ports/printer.h"

namespace varnel {

// Print sends the document to paper; Preview shows it first, and prints only
// when the user chooses Print there.
enum class PrintMode { Print, Preview };

// "Mailing labels - VRN_Contacts"; the printout alone when no file is named.
std::string documentTitle(std::string_view printout, std::string_view fileTitle);

// How far everything printed on one printer moves, in 1/100 inch; kept per
// printer name in the settings store.
struct Calibration {
    int right = 0;
    int down = 0;
    friend bool operator==(const Calibration&, const Calibration&) = default;
};

Calibration readCalibration(Dialogs& dialogs, const std::string& printer);
void saveCalibration(Dialogs& dialogs, const std::string& printer, const Calibration& calibration);

// Margins > "Printer Calibration...": two input boxes preset with the current
// values for `printer`; Cancel in either keeps what was saved.
void calibratePrinter(Dialogs& dialogs, const std::string& printer);

// `document` moved by the calibration of `printer`.
Document calibrated(Document document, Dialogs& dialogs, const std::string& printer);

// True when no line was cut, or when the user, told which labels will be
// cut, chose to print anyway.
bool cutLinesAccepted(const Document& document, Dialogs& dialogs);

// Shows the document as the current printer will print it; true when the
// user chose Print there.
bool previewAccepted(Document document, Dialogs& dialogs, Printer& printer);

// Sends one copy, calibrated for the current printer.
void submitCalibrated(Document document, Dialogs& dialogs, Printer& printer);

}  // namespace varnel
