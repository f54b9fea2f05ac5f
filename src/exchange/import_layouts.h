#pragma once
// How a CSV file's header is read. Three layouts take their columns from
// fixed positions: Yahoo's classic export (1), Windows Live's (2) and this
// program's own export (4); each is used only when the header holds its named
// columns where its table puts them. Every other header is read by the names
// of its columns.
#include <optional>
#include <string>
#include <vector>

#include "exchange/import_values.h"
#include "exchange/named_columns.h"

namespace varnel {

class ImportLayout {
public:
    static ImportLayout recognise(const std::vector<std::string>& header);

    // 1, 2 or 4 for a positional layout, 0 when read by column names.
    int number() const { return number_; }
    // False when no column names a first, last or whole name or an e-mail.
    bool compatible() const { return number_ != 0 || names_->compatible(); }

    // Assigns and cleans the values of one record; false when the layout's
    // own rule skips it (Windows Live: no last name or no e-mail).
    bool read(const std::vector<std::string>& fields, ImportValues& values) const;

private:
    bool headerIs(std::size_t position, std::string_view text) const;
    void readYahoo(const std::vector<std::string>& fields, ImportValues& v) const;
    bool readWindowsLive(const std::vector<std::string>& fields, ImportValues& v) const;
    void readOwnExport(const std::vector<std::string>& fields, ImportValues& v) const;

    int number_ = 0;
    std::vector<std::string> header_;
    std::optional<NamedColumns> names_;
};

}  // namespace varnel
