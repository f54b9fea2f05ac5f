#pragma once
// The lines of the list window: one per contact that passes the search, in
// the column layout of the chosen display.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/contact_file.h"
#include "store/contact_record.h"

namespace varnel {

enum class ListDisplay { Street, Email };

struct ListQuery {
    std::int16_t searchKind = 7;  // kSearchAll
    std::string searchText;
    std::int16_t nameOrder = 0;  // 0 first name first, 1 last name first
    ListDisplay display = ListDisplay::Street;
};

struct ListLine {
    std::string text;
    std::int32_t record = 0;  // 0 for a line that no contact stands behind
    friend bool operator==(const ListLine&, const ListLine&) = default;
};

// The bold heading above the list, its blanks laid out for tab stops.
const std::string& listHeading(ListDisplay display);

// The pieces of a line that need more than a trimmed field.
std::string homeColumn(std::string_view storedPhone);  // HomeCol / CellCol
std::string streetText(std::string_view street1);
std::string miText(std::string_view mi);
std::string nameText(const ContactRecord& record, std::int16_t nameOrder);

// City and ZIP as the list and the search see them: "Unknown" when the
// trimmed field has fewer than 2 characters.
std::string_view listedCity(const ContactRecord& record);
std::string_view listedZip(const ContactRecord& record);

// Whether `record` passes the search of `query`.
bool passesSearch(const ContactRecord& record, const ListQuery& query);

// The line of one record (whether or not it passes).
std::string listLineText(const ContactRecord& record, const ListQuery& query);

// Every passing record of the open file, in file order, each with its
// record number. Raises RunError when the file is not open or cannot be read.
std::vector<ListLine> buildListLines(const ContactFile& file, const ListQuery& query);
// The same over records already in memory (record k at index k - 1).
std::vector<ListLine> buildListLines(const std::vector<ContactRecord>& records,
                                     const ListQuery& query);

// "Contacts Found = 12"
std::string contactsFoundCaption(std::size_t found);
// "All Contacts  [VRN_Contacts]"
std::string listWindowTitle(const std::string& fileTitle);

}  // namespace varnel
