#include "exchange/vcard_reader.h"

#include <algorithm>
#include <map>
#include <string>

#include "exchange/import_text.h"
#include "text/codepage.h"
#include "text/strings.h"

namespace varnel {

namespace {

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && upper(a) == upper(b);
}

// Physical lines, each without its line break.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}
    bool next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        // A plain loop: find_first_of would search its set once per character.
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') ++end;
        line = text_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        ++number_;
        return true;
    }
    // The next line without taking it.
    std::string_view peek() const {
        Lines copy = *this;
        std::string_view line;
        return copy.next(line) ? line : std::string_view();
    }
    bool atEnd() const { return pos_ >= text_.size(); }
    std::size_t number() const { return number_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t number_ = 0;
};

struct Property {
    std::string group;
    std::string name;                // upper case
    std::vector<std::string> types;  // lower case
    int pref = 100;                  // lower is preferred
    bool quotedPrintable = false;
    std::string charset;
    bool textValue = false;  // VALUE=text
    std::string value;       // raw, still escaped
};

// Splits at `sep` outside double quotes.
std::vector<std::string_view> splitOutsideQuotes(std::string_view text, char sep) {
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (text[i] == sep && !quoted) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

// TYPE=HOME,VOICE or, in vCard 4.0, TYPE="home,voice".
void addTypes(Property& p, std::string_view list) {
    std::string unquoted(list);
    unquoted.erase(std::remove(unquoted.begin(), unquoted.end(), '"'), unquoted.end());
    for (std::string_view t : splitOutsideQuotes(unquoted, ',')) {
        std::string type(trimSpaces(t));
        for (char& c : type) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        if (type == "pref") p.pref = std::min(p.pref, 1);
        if (!type.empty()) p.types.push_back(type);
    }
}

// "item1.TEL;TYPE=CELL;PREF=1" -> group, name and parameters.
void parseHead(std::string_view head, Property& p) {
    auto parts = splitOutsideQuotes(head, ';');
    std::string_view name = trimSpaces(parts[0]);
    if (std::size_t dot = name.find('.'); dot != std::string_view::npos) {
        p.group = upper(name.substr(0, dot));
        name.remove_prefix(dot + 1);
    }
    p.name = upper(name);
    for (std::size_t i = 1; i < parts.size(); ++i) {
        std::string_view param = trimSpaces(parts[i]);
        std::size_t eq = param.find('=');
        if (eq == std::string_view::npos) {
            // vCard 2.1 writes bare values: "TEL;HOME;VOICE", "QUOTED-PRINTABLE".
            if (equalsIgnoringCase(param, "QUOTED-PRINTABLE"))
                p.quotedPrintable = true;
            else
                addTypes(p, param);
            continue;
        }
        const std::string key = upper(trimSpaces(param.substr(0, eq)));
        std::string_view value = trimSpaces(param.substr(eq + 1));
        if (key == "TYPE") {
            addTypes(p, value);
        } else if (key == "ENCODING") {
            p.quotedPrintable = equalsIgnoringCase(value, "QUOTED-PRINTABLE");
        } else if (key == "CHARSET") {
            p.charset = upper(value);
        } else if (key == "PREF") {
            int n = 0;
            for (char c : value) {
                if (c >= '0' && c <= '9') n = std::min(n * 10 + (c - '0'), 100);
            }
            p.pref = std::min(p.pref, n);
        } else if (key == "VALUE") {
            p.textValue = equalsIgnoringCase(value, "text");
        }
    }
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string decodeQuotedPrintable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size()) {
            int hi = hexValue(text[i + 1]);
            int lo = hexValue(text[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// The value as UTF-8 text, still escaped.
std::string decodedValue(const Property& p) {
    if (!p.quotedPrintable) return p.value;
    std::string bytes = decodeQuotedPrintable(p.value);
    const bool utf8 = p.charset.empty() ? isValidUtf8(bytes) : p.charset == "UTF-8";
    return utf8 && isValidUtf8(bytes) ? bytes : cp1252ToUtf8(bytes);
}

std::string unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            char c = text[++i];
            out += (c == 'n' || c == 'N') ? '\n' : c;
            continue;
        }
        out += text[i];
    }
    return out;
}

// Components of a structured value (N, ADR, ORG) at unescaped ";", or list
// items (CATEGORIES) at unescaped ",".
std::vector<std::string> components(std::string_view text, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
            continue;
        }
        if (text[i] == sep) {
            parts.push_back(unescape(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    parts.push_back(unescape(text.substr(start)));
    return parts;
}

std::string part(const std::vector<std::string>& parts, std::size_t i) {
    return i < parts.size() ? parts[i] : std::string();
}

bool hasType(const Property& p, std::string_view type) {
    return std::find(p.types.begin(), p.types.end(), type) != p.types.end();
}

enum class Kind { Home, Work, Cell, Other, Skip };

// What a card's properties hold before the preferred one of each kind is chosen.
struct CardBuilder {
    struct Candidate {
        Kind kind;
        int pref;
        std::size_t order;
        std::string value;
        std::vector<std::string> address;
    };
    std::vector<Property> deferred;  // TEL, ADR and EMAIL wait for their group's label
    std::map<std::string, std::string> groupLabels;

    Kind kindOf(const Property& p, bool phone) const {
        if (phone && (hasType(p, "cell") || hasType(p, "mobile") || hasType(p, "iphone"))) {
            return Kind::Cell;
        }
        if (phone && (hasType(p, "fax") || hasType(p, "pager"))) return Kind::Skip;
        if (hasType(p, "home")) return Kind::Home;
        if (hasType(p, "work")) return Kind::Work;
        // Address books that label grouped properties ("item1.X-ABLabel").
        if (auto it = groupLabels.find(p.group); !p.group.empty() && it != groupLabels.end()) {
            std::string label = upper(it->second);
            if (phone && (label.find("MOBILE") != std::string::npos ||
                          label.find("CELL") != std::string::npos)) {
                return Kind::Cell;
            }
            if (label.find("HOME") != std::string::npos) return Kind::Home;
            if (label.find("WORK") != std::string::npos) return Kind::Work;
        }
        return Kind::Other;
    }

    // Preferred first, then in the card's order.
    static const Candidate* best(const std::vector<Candidate>& all, Kind kind) {
        const Candidate* chosen = nullptr;
        for (const Candidate& c : all) {
            if (c.kind != kind) continue;
            if (!chosen || c.pref < chosen->pref) chosen = &c;
        }
        return chosen;
    }

    void finish(ContactParts& parts) const {
        std::vector<Candidate> phones, addresses, emails;
        std::size_t order = 0;
        for (const Property& p : deferred) {
            const std::string value = decodedValue(p);
            if (p.name == "TEL") {
                phones.push_back({kindOf(p, true), p.pref, order++, unescape(value), {}});
            } else if (p.name == "EMAIL") {
                emails.push_back({Kind::Other, p.pref, order++, unescape(value), {}});
            } else {
                addresses.push_back(
                    {kindOf(p, false), p.pref, order++, {}, components(value, ';')});
            }
        }
        auto phone = [&](Kind k, std::string& target) {
            if (const Candidate* c = best(phones, k)) target = c->value;
        };
        phone(Kind::Home, parts.homePhone);
        phone(Kind::Cell, parts.cellPhone);
        phone(Kind::Work, parts.workPhone);
        phone(Kind::Other, parts.otherPhone);
        std::stable_sort(emails.begin(), emails.end(),
                         [](const Candidate& a, const Candidate& b) { return a.pref < b.pref; });
        for (const Candidate& e : emails) parts.emails.push_back(e.value);
        auto address = [&](Kind k, AddressParts& target) {
            const Candidate* c = best(addresses, k);
            if (!c) return;
            // Post office box; extended address; street; locality; region; code; country.
            target.street = part(c->address, 2);
            target.street2 = part(c->address, 1);
            target.street3 = part(c->address, 0);
            target.city = part(c->address, 3);
            target.state = part(c->address, 4);
            target.zip = part(c->address, 5);
            target.country = part(c->address, 6);
        };
        address(Kind::Home, parts.home);
        address(Kind::Work, parts.work);
        address(Kind::Other, parts.other);
        // A card without names whose FN only repeats its e-mail or company has no name to split.
        if (parts.first.empty() && parts.last.empty()) {
            const std::string fn(trimSpaces(parts.fullName));
            if (fn == trimSpaces(parts.company) ||
                std::find(parts.emails.begin(), parts.emails.end(), fn) != parts.emails.end()) {
                parts.fullName.clear();
            }
        }
    }
};

// Properties a record has no room for; pictures and keys may be large.
bool skipped(std::string_view name) {
    return name == "PHOTO" || name == "LOGO" || name == "SOUND" || name == "KEY";
}

void apply(Property&& p, VCard& card, CardBuilder& builder) {
    ContactParts& parts = card.parts;
    if (p.name == "TEL" || p.name == "EMAIL" || p.name == "ADR") {
        builder.deferred.push_back(std::move(p));
        return;
    }
    if (p.name == "X-ABLABEL") {
        builder.groupLabels[p.group] = unescape(decodedValue(p));
        return;
    }
    const std::string value = decodedValue(p);
    if (p.name == "N") {
        auto n = components(value, ';');
        parts.last = part(n, 0);
        parts.first = part(n, 1);
        parts.middle = part(n, 2);
    } else if (p.name == "FN") {
        parts.fullName = unescape(value);
    } else if (p.name == "BDAY" && !p.textValue) {
        parts.birthdate = birthdateFromText(value);
    } else if (p.name == "ORG") {
        parts.company = part(components(value, ';'), 0);
    } else if (p.name == "NOTE") {
        if (parts.notes.empty()) parts.notes = unescape(value);
    } else if (p.name == "X-VARNEL-INCLUDE-COMPANY") {
        parts.includeCompany = std::string(trimSpaces(value));
    } else if (p.name == "CATEGORIES") {
        for (std::string& c : components(value, ',')) parts.categories.push_back(std::move(c));
    }
}

}  // namespace

bool looksLikeVCard(std::string_view utf8) {
    std::size_t start = utf8.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) return false;
    return equalsIgnoringCase(utf8.substr(start, 11), "BEGIN:VCARD");
}

std::vector<VCard> readVCards(std::string_view utf8) {
    std::vector<VCard> cards;
    Lines lines(utf8);
    std::string_view physical;
    bool open = false;
    VCard card;
    CardBuilder builder;
    auto close = [&](bool complete) {
        card.complete = complete;
        if (complete) builder.finish(card.parts);
        cards.push_back(std::move(card));
        card = VCard();
        builder = CardBuilder();
        open = false;
    };
    while (lines.next(physical)) {
        if (physical.empty() || physical[0] == ' ' || physical[0] == '\t') continue;
        const std::size_t lineNumber = lines.number();
        std::size_t colon = std::string_view::npos;
        bool quoted = false;
        for (std::size_t i = 0; i < physical.size(); ++i) {
            if (physical[i] == '"') quoted = !quoted;
            if (physical[i] == ':' && !quoted) {
                colon = i;
                break;
            }
        }
        Property p;
        parseHead(physical.substr(0, colon == std::string_view::npos ? physical.size() : colon), p);
        if (skipped(p.name)) {
            // Step over the picture's folded lines without joining them.
            while (!lines.atEnd()) {
                std::string_view next = lines.peek();
                if (next.empty() || (next[0] != ' ' && next[0] != '\t')) break;
                lines.next(next);
            }
            continue;
        }
        if (colon != std::string_view::npos) p.value = std::string(physical.substr(colon + 1));
        // Unfold: a line that starts with a blank continues the one before;
        // a quoted-printable value ending in "=" continues on the next line.
        for (;;) {
            if (lines.atEnd()) break;
            std::string_view next = lines.peek();
            if (!next.empty() && (next[0] == ' ' || next[0] == '\t')) {
                lines.next(next);
                p.value.append(next.substr(1));
            } else if (p.quotedPrintable && !p.value.empty() && p.value.back() == '=') {
                lines.next(next);
                p.value.pop_back();
                p.value.append(trimLeadingSpaces(next));
            } else {
                break;
            }
        }
        if (p.name == "BEGIN" && equalsIgnoringCase(trimSpaces(p.value), "VCARD")) {
            if (open) close(false);
            open = true;
            card.line = lineNumber;
            continue;
        }
        if (!open) continue;
        if (p.name == "END" && equalsIgnoringCase(trimSpaces(p.value), "VCARD")) {
            close(true);
            continue;
        }
        apply(std::move(p), card, builder);
    }
    if (open) close(false);
    return cards;
}

}  // namespace varnel
