#include "exchange/import_values.h"

#include "text/codepage.h"

namespace varnel {

void ImportValues::assign(Field f, std::string_view utf8) {
    bool rewritten = false;
    values_[index(f)] = utf8ToCp1252(utf8, &rewritten);
    if (f != Field::FirstName && f != Field::LastName) return;
    originals_[f == Field::FirstName ? 0 : 1] = std::string(utf8);
    if (!rewritten && originalName_.empty()) return;
    originalName_ = originals_[0];
    if (!originals_[0].empty() && !originals_[1].empty()) originalName_ += ' ';
    originalName_ += originals_[1];
}

}  // namespace varnel
