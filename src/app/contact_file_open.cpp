#include "app/contact_file_open.h"

#include "text/codepage.h"

namespace varnel {

namespace {

constexpr std::size_t kNamedRecords = 10;

}  // namespace

std::string damagedRecordsText(const std::string& name, const std::vector<RecordDamage>& damaged) {
    std::string numbers;
    for (std::size_t i = 0; i < damaged.size() && i < kNamedRecords; ++i) {
        if (i > 0) numbers += ", ";
        numbers += std::to_string(damaged[i].record);
    }
    if (damaged.size() > kNamedRecords) {
        numbers += " and " + std::to_string(damaged.size() - kNamedRecords) + " more";
    }
    const bool one = damaged.size() == 1;
    return name + (one ? " has a damaged record: " : " has damaged records: ") + numbers +
           ".\r\nFind " + (one ? "it" : "them") + " in the contact browser to mend or delete " +
           (one ? "it." : "them.");
}

bool openCheckedContactFile(ContactFile& file, const std::filesystem::path& path,
                            Dialogs& dialogs) {
    const std::string name = utf8ToCp1252(path.filename().string());
    if (file.tryOpen(path) == ContactFile::OpenResult::OpenElsewhere) {
        dialogs.messageBox("Open", name + " is already open in another Varnel.", Icon::Exclamation,
                           Buttons::Ok);
        return false;
    }
    const ContactFileCheck check = checkContactFile(file);
    if (!check.contactFile) {
        file.close();
        dialogs.messageBox("Open", name + " is not a Varnel contact file.", Icon::Exclamation,
                           Buttons::Ok);
        return false;
    }
    if (!check.damaged.empty()) {
        dialogs.messageBox("Open", damagedRecordsText(name, check.damaged), Icon::Exclamation,
                           Buttons::Ok);
    }
    return true;
}

}  // namespace varnel
