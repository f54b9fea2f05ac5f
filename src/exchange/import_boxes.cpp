#include "exchange/import_boxes.h"

#include <cstdio>
#include <memory>

#include "exchange/import_text.h"
#include "text/run_error.h"

namespace varnel {

namespace {

Answer showError(const RunError& e, Dialogs& dialogs) {
    return dialogs.messageBox("Error", importErrorText(e), Icon::Critical, Buttons::RetryCancel);
}

void appendSection(std::string& out, const std::string& heading,
                   const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    if (!out.empty()) out += "\n\n";
    out += heading + " (" + std::to_string(lines.size()) + "):";
    for (const std::string& l : lines) out += "\n" + l;
}

}  // namespace

std::string importDetails(const ImportReport& report) {
    std::string details;
    appendSection(details, "Not added", report.notAdded);
    appendSection(details, "Added, to note", report.notes);
    return details;
}

bool checkImportFileReadable(const std::filesystem::path& source, Dialogs& dialogs,
                             Answer& answer) {
    try {
        std::error_code ec;
        if (std::filesystem::is_directory(source, ec)) {
            throw RunError(RunError::PathFileAccessError);
        }
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> probe(
            std::fopen(source.string().c_str(), "rb"), &std::fclose);
        if (!probe)
            throw RunError(std::filesystem::exists(source, ec) ? RunError::PermissionDenied
                                                               : RunError::FileNotFound);
        return true;
    } catch (const RunError& e) {
        answer = showError(e, dialogs);
        return false;
    }
}

ImportResult importContactsFile(ContactFile& file, const std::filesystem::path& source,
                                bool remindersOn, Dialogs& dialogs) {
    ImportResult result;
    dialogs.setBusy(true);
    try {
        const ImportReport report = importContacts(file, source, remindersOn);
        dialogs.setBusy(false);
        result.appended = report.imported;
        switch (report.outcome) {
            case ImportReport::NotCompatible:
                dialogs.messageBox("No contacts imported",
                                   "CSV file not compatible with import function.",
                                   Icon::Information, Buttons::Ok);
                result.outcome = ImportResult::NotCompatible;
                return result;
            case ImportReport::NotText:
                dialogs.messageBox("No contacts imported",
                                   "The file holds no text: it is not a CSV or vCard file.",
                                   Icon::Information, Buttons::Ok);
                result.outcome = ImportResult::NotText;
                return result;
            case ImportReport::Completed:
                break;
        }
        const std::string text =
            "D O N E !  " + std::to_string(report.imported) + " contacts successfully imported.";
        const std::string details = importDetails(report);
        if (details.empty()) {
            dialogs.messageBox("Import completed", text, Icon::None, Buttons::Ok);
        } else {
            dialogs.messageBoxWithDetails("Import completed", text, details, Icon::None,
                                          Buttons::Ok);
        }
        result.outcome = ImportResult::Completed;
        return result;
    } catch (const RunError& e) {
        dialogs.setBusy(false);
        result.outcome = ImportResult::Failed;
        result.errorAnswer = showError(e, dialogs);
        return result;
    }
}

}  // namespace varnel
