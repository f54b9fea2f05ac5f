#pragma once
// The five header layouts of the CSV import: which one a header is, how its
// header is prepared, and how a data line of it fills the working values.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "store/contact_record.h"

namespace varnel {

// One working value per contact field except BdayReminder. They live for the
// whole import: a line changes only what its layout assigns or fixes.
class ImportValues {
  public:
    std::string& operator[](Field f) { return values_[static_cast<std::size_t>(f)]; }
    const std::string& operator[](Field f) const { return values_[static_cast<std::size_t>(f)]; }

  private:
    std::array<std::string, kFieldCount - 1> values_;
};

enum class HeaderVerdict {
    Accepted,       // one of the five layouts
    Refused,        // ends silently
    NotCompatible,  // layout 5 without an e-mail column
};

class ImportLayout {
  public:
    // Tests the header against layouts 1 to 5 in order and prepares it.
    // Raises RunError where the layout's header step fails.
    static ImportLayout recognise(std::string_view header);

    HeaderVerdict verdict() const { return verdict_; }
    int number() const { return number_; }
    const std::vector<std::string>& headerColumns() const { return header_; }

    // Assigns, fixes and cleans the values of one data line; false when the
    // layout skips the line (then the values are left as they were).
    bool readLine(std::string_view line, ImportValues& values) const;

  private:
    bool headerIs(std::size_t position, std::string_view text) const;
    bool readYahoo(std::string_view line, ImportValues& v) const;
    bool readOutlook(std::string_view line, ImportValues& v) const;
    bool readNameEmail(std::string_view line, ImportValues& v) const;
    bool readOwnExport(std::string_view line, ImportValues& v) const;
    bool readAnyHeader(std::string_view line, ImportValues& v) const;

    HeaderVerdict verdict_ = HeaderVerdict::Refused;
    int number_ = 0;
    std::vector<std::string> header_;
};

}  // namespace varnel
