#include "exchange/vcard_writer.h"

#include <string_view>

#include "text/codepage.h"

namespace varnel {

namespace {

// Text values escape "\", ",", ";" and line breaks.
std::string escaped(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252) {
        if (c == '\\' || c == ',' || c == ';') out += '\\';
        out += c;
    }
    return isAscii(out) ? out : cp1252ToUtf8(out);
}

// A content line folded at 75 bytes, never inside a UTF-8 character.
void appendLine(std::string& out, std::string_view line) {
    constexpr std::size_t kWidth = 75;
    std::size_t used = 0;
    for (std::size_t i = 0; i < line.size();) {
        std::size_t len = 1;
        auto b = static_cast<unsigned char>(line[i]);
        if (b >= 0xF0)
            len = 4;
        else if (b >= 0xE0)
            len = 3;
        else if (b >= 0xC0)
            len = 2;
        if (used + len > kWidth) {
            out += "\r\n ";
            used = 1;
        }
        out.append(line.substr(i, len));
        used += len;
        i += len;
    }
    out += "\r\n";
}

void property(std::string& out, std::string_view head, const std::string& value) {
    if (value.empty()) return;
    std::string line(head);
    line += ':';
    line += value;
    appendLine(out, line);
}

}  // namespace

void appendVCard(std::string& out, const ContactRecord& r) {
    const std::string first = r.get(Field::FirstName);
    const std::string last = r.get(Field::LastName);
    std::string full = first;
    if (!full.empty() && !last.empty()) full += ' ';
    full += last;

    out += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    appendLine(
        out, "N:" + escaped(last) + ";" + escaped(first) + ";" + escaped(r.get(Field::MI)) + ";;");
    appendLine(out, "FN:" + escaped(full));
    property(out, "ORG", escaped(r.get(Field::Company)));
    if (!r.get(Field::Company).empty()) {
        property(out, "X-VARNEL-INCLUDE-COMPANY", r.get(Field::IncludeCompany));
    }
    const std::string address[] = {r.get(Field::Street2), r.get(Field::Street1),
                                   r.get(Field::City),    r.get(Field::State),
                                   r.get(Field::Zip),     r.get(Field::Country)};
    std::string adr;
    bool any = false;
    for (const std::string& a : address) {
        adr += ';';
        adr += escaped(a);
        any = any || !a.empty();
    }
    if (any) appendLine(out, "ADR;TYPE=HOME:" + adr);
    property(out, "TEL;TYPE=HOME,VOICE", escaped(r.get(Field::HomePhone)));
    property(out, "TEL;TYPE=CELL", escaped(r.get(Field::CellPhone)));
    property(out, "TEL;TYPE=WORK,VOICE", escaped(r.get(Field::WorkPhone)));
    property(out, "EMAIL;TYPE=INTERNET", escaped(r.get(Field::Email)));
    const std::string birth = r.get(Field::Birthdate);
    if (birth.size() == 8) {
        const std::string monthDay = birth.substr(4, 2) + "-" + birth.substr(6, 2);
        // Without a year, the year address books agree stands for none.
        if (birth.starts_with("0000")) {
            appendLine(out, "BDAY;X-APPLE-OMIT-YEAR=1604:1604-" + monthDay);
        } else {
            appendLine(out, "BDAY:" + birth.substr(0, 4) + "-" + monthDay);
        }
    }
    // Categories are kept with ";" between them; vCard lists them with ",".
    std::string categories;
    const std::string stored = r.get(Field::Category);
    std::size_t start = 0;
    while (start <= stored.size()) {
        std::size_t end = stored.find(';', start);
        if (end == std::string::npos) end = stored.size();
        std::string one = stored.substr(start, end - start);
        if (!one.empty()) {
            if (!categories.empty()) categories += ',';
            categories += escaped(one);
        }
        start = end + 1;
    }
    property(out, "CATEGORIES", categories);
    property(out, "NOTE", escaped(r.get(Field::Notes)));
    out += "END:VCARD\r\n";
}

}  // namespace varnel
