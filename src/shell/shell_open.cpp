#include "shell/shell_open.h"

#include "shell/lookups.h"
#include "text/codepage.h"

namespace varnel {

std::string documentNotOpenedText(const std::filesystem::path& document) {
    const std::string name = utf8ToCp1252(document.filename().string());
    const std::string where = utf8ToCp1252(document.string());
    std::error_code ec;
    if (!std::filesystem::is_regular_file(document, ec)) {
        return "Varnel could not find " + name + ". It belongs here:\r\n" + where;
    }
    return "Varnel could not open " + name + ". It is here:\r\n" + where +
           "\r\nOpen it with a PDF viewer, or install one.";
}

std::string webPageNotOpenedText(std::string_view address) {
    return "Varnel could not open a web browser for this address:\r\n" + std::string(address) +
           "\r\nType it into your web browser.";
}

bool openDocument(Dialogs& dialogs, const std::filesystem::path& document) {
    if (dialogs.shellOpen(document.string())) return true;
    dialogs.messageBox(kDocumentNotOpenedTitle, documentNotOpenedText(document), Icon::Exclamation,
                       Buttons::Ok);
    return false;
}

bool openWebAddress(Dialogs& dialogs, std::string_view address) {
    if (dialogs.shellOpen(std::string(address))) return true;
    dialogs.messageBox(kWebPageNotOpenedTitle, webPageNotOpenedText(address), Icon::Exclamation,
                       Buttons::Ok);
    return false;
}

bool openZipLookup(Dialogs& dialogs) { return openWebAddress(dialogs, kZipLookupAddress); }

bool openPeopleSearch(Dialogs& dialogs) { return openWebAddress(dialogs, kPeopleSearchAddress); }

}  // namespace varnel
