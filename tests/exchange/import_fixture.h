#pragma once
// A contact file and scripted boxes for import tests, and CSV lines built
// from a layout's column table.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "exchange/import_boxes.h"
#include "store/contact_file.h"
#include "support/contact_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace varnel::testing {

// `width` columns joined by ","; `cells` fills some positions, the rest are
// `filler` followed by the position ("Other7") or empty when `filler` is "".
inline std::string csvRow(std::size_t width, const std::map<std::size_t, std::string>& cells,
                          const std::string& filler = "") {
    std::string line;
    for (std::size_t i = 0; i < width; ++i) {
        if (i) line += ",";
        auto it = cells.find(i);
        if (it != cells.end()) {
            line += it->second;
        } else if (!filler.empty()) {
            line += filler + std::to_string(i);
        }
    }
    return line;
}

inline ContactRecord contact(const std::string& first, const std::string& last,
                             const std::string& email) {
    return testContact(first, last, email);
}

class ImportTest : public ::testing::Test {
protected:
    ImportTest() { file.open(dir / "VRN_Contacts.DAT"); }

    ImportResult import(const std::string& csv, bool remindersOn = true) {
        writeFileBytes(dir / "in.csv", csv);
        return importContactsFile(file, dir / "in.csv", remindersOn, dialogs);
    }
    // The import of header + lines, each line ended by CR LF.
    ImportResult importLines(const std::vector<std::string>& lines, bool remindersOn = true) {
        std::string csv;
        for (const std::string& l : lines) csv += l + "\r\n";
        return import(csv, remindersOn);
    }
    std::vector<ContactRecord> records() const { return file.readAll(); }
    // An empty contact file and no boxes shown, for the next case of a table.
    void startOver() {
        file.close();
        std::filesystem::remove(dir / "VRN_Contacts.DAT");
        file.open(dir / "VRN_Contacts.DAT");
        dialogs.log.clear();
    }
    void put(const ContactRecord& r) { file.appendRecord(r); }
    std::string completed(int n) const {
        return "Import completed|D O N E !  " + std::to_string(n) +
               " contacts successfully imported.";
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    ContactFile file;
};

}  // namespace varnel::testing
