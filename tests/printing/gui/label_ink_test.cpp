// What lands on the stock: every printout drawn at 300 dpi by the renderer,
// its ink boxed per label and held against the physical labels (Avery 5160,
// Avery 5167) and against the area a post office reads on an envelope.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "contacts/one_contact_label.h"
#include "ink.h"
#include "listing/result_labels.h"
#include "printing/composer.h"
#include "printing/label_grid.h"
#include "printing/label_stock.h"
#include "printing/print_command.h"
#include "printing/return_address.h"

namespace varnel {
namespace {

using testing::checkLabelInk;
using testing::InkTally;
using testing::kInkDpi;

constexpr double kInch = 72.0;

struct Style {
    const char* name;
    bool bold, italic;
};
constexpr Style kStyles[] = {{"regular", false, false},
                             {"bold", true, false},
                             {"italic", false, true},
                             {"bold italic", true, true}};

const std::string kLongStreet = "12345 North Martin Luther King Jr Boulevard Apt 1204";  // 52

// Address lines from everyday to the longest the program accepts (52).
const std::vector<std::array<std::string, 5>> kAddresses = {
    {"Ann Smith", "12 Main St", "Springfield, IL  62704", "", ""},
    {"Christopher J. Montgomery-Ames", "4820 Northwest Deerfield Drive",
     "Building 7, Harbor Point Plaza", "West Saint Paul, MN 55118-2298", ""},
    {"Christopher J. Montgomery-Ames Jr", kLongStreet,
     "Deerfield Office Supply and Stationery Company", "West Saint Paul, MN 55118-2298",
     "ATTN: Accounts Payable Department, Floor 12"},
    // Accents above the capitals, descenders below the line.
    {"\xC9lodie \xC5ngstr\xF6m-\xD8ster",
     "\xC7"
     "a Gypsy Quay, Apt J",
     "Montr\xE9"
     "al, QC  H2X 1Y4",
     "\xC0 l'attention de J\xFCrgen",
     "Quai \xC9"
     "douard-Gagn\xE9"},
    // Wider than any label holds even condensed: cut, and still inside.
    {std::string(52, 'W'), std::string(52, 'M'), kLongStreet, std::string(52, '@'), ""},
};

std::vector<RectPt> labelsOf(const LabelSheet& sheet) { return sheetStock(sheet).labels; }

ComposerModel sheetComposer(const std::array<std::string, 5>& lines, const Style& style,
                            bool centred) {
    ComposerModel s;
    s.lines = lines;
    s.media = Media::Label;
    s.alignment = centred ? Alignment::Centred : Alignment::Left;
    s.labelBold = style.bold;
    s.labelItalic = style.italic;
    return s;
}

// PrintOne of labels `first` to `last` as the Print command runs it.
Document composerLabels(ComposerModel s, int first, int last) {
    s.run = LabelRun{first, last, static_cast<std::int16_t>(last - first + 1)};
    s.origin = printGridOrigin(first, s.labelBold, false);
    return printOne(s, {}, {}, "Print to File (PDF)");
}

TEST(LabelInk, ComposerLabelsStayInsideTheirAvery5160Labels) {
    InkTally tally{"Avery 5160, composer labels"};
    const auto labels = labelsOf(kAvery5160);
    for (const auto& lines : kAddresses) {
        for (const Style& style : kStyles) {
            for (bool centred : {false, true}) {
                const Document doc = composerLabels(sheetComposer(lines, style, centred), 1, 30);
                checkLabelInk(doc, labels, kAvery5160.pitchX, kAvery5160.pitchY, tally,
                              std::string(style.name) + (centred ? " centred " : " left ") + "\"" +
                                  lines[0] + "\"");
            }
        }
    }
    EXPECT_EQ(tally.overflows, 0);
    EXPECT_EQ(tally.labels, 5 * 4 * 2 * 30);
}

TEST(LabelInk, OneContactLabelsStayInsideTheirLabel) {
    InkTally tally{"Avery 5160, one-contact label"};
    OneContactFields contact;
    contact.firstName = "Christopher";
    contact.middleInitial = "J";
    contact.lastName = "Montgomery-Ames";
    contact.company = "Deerfield Office Supply and Stationery Company";
    contact.includeCompany = true;
    contact.street1 = kLongStreet;
    contact.street2 = "Building 7, Harbor Point Plaza, Suite 1200";
    contact.city = "West Saint Paul";
    contact.state = "MN";
    contact.zip = "55118-2298";
    for (const Style& style : kStyles) {
        for (bool centred : {false, true}) {
            for (int position : {1, 14, 30}) {
                ComposerModel s = sheetComposer({}, style, centred);
                fillOneContactLabel(s, contact);
                const Document doc = composerLabels(s, position, position);
                checkLabelInk(doc, labelsOf(kAvery5160), kAvery5160.pitchX, kAvery5160.pitchY,
                              tally, std::string(style.name) + (centred ? " centred" : " left"));
            }
        }
    }
    EXPECT_EQ(tally.overflows, 0);
    EXPECT_EQ(tally.labels, 4 * 2 * 3);
}

TEST(LabelInk, ReturnAddressLabelsStayInsideTheirAvery5167Labels) {
    InkTally tally{"Avery 5167, return-address labels"};
    for (const auto& lines : kAddresses) {
        for (bool italic : {false, true}) {
            for (bool centred : {false, true}) {
                ComposerModel s;
                s.lines = {lines[0], lines[1], lines[2], "", ""};
                s.alignment = centred ? Alignment::Centred : Alignment::Left;
                s.labelItalic = italic;
                const Document doc = returnAddressPage(s, {});
                checkLabelInk(doc, labelsOf(kAvery5167), kAvery5167.pitchX, kAvery5167.pitchY,
                              tally,
                              std::string(italic ? "italic" : "regular") +
                                  (centred ? " centred " : " left ") + "\"" + lines[0] + "\"");
            }
        }
    }
    EXPECT_EQ(tally.overflows, 0);
    EXPECT_EQ(tally.labels, 5 * 2 * 2 * 80);
}

std::vector<ResultLabel> resultRun(int count, const std::string& street, int companyEvery) {
    std::vector<ResultLabel> run;
    for (int i = 1; i <= count; ++i) {
        ResultLabel l;
        l.name = "Margaret Q Richardson-Whitfield " + std::to_string(i);
        l.company = "Deerfield Office Supply and Stationery Company";
        l.hasCompany = companyEvery > 0 && i % companyEvery == 0;
        l.street = street + " ";
        l.city = "West Saint Paul, MN  55118-2298";
        run.push_back(l);
    }
    return run;
}

TEST(LabelInk, SearchResultLabelsStayInsideTheirAvery5160Labels) {
    InkTally tally{"Avery 5160, search-result labels"};
    struct Run {
        const char* name;
        std::vector<ResultLabel> labels;
    };
    const Run runs[] = {
        {"no companies", resultRun(31, "4820 Northwest Deerfield Drive", 0)},
        {"every company", resultRun(31, kLongStreet, 1)},
        {"mixed", resultRun(31, kLongStreet, 2)},
    };
    for (const Run& r : runs) {
        for (const Style& style : kStyles) {
            ResultLabelRun run;
            run.bold = style.bold;
            run.italic = style.italic;
            run.columns = resultLabelColumns("Print to File (PDF)", 0, style.bold);
            const Document doc = resultLabelDocument(r.labels, run);
            checkLabelInk(doc, labelsOf(kAvery5160), kAvery5160.pitchX, kAvery5160.pitchY, tally,
                          std::string(style.name) + ", " + r.name);
        }
    }
    EXPECT_EQ(tally.overflows, 0);
    EXPECT_EQ(tally.labels, 3 * 4 * 31);
}

// One long street among 34 contacts once pushed every later label a row down:
// now each label's lines start in its own label, on the rows of its band.
TEST(LabelInk, OneLongStreetMovesNoOtherLabel) {
    std::vector<ResultLabel> run = resultRun(34, "12 Main St", 3);
    run[4].street = kLongStreet + " ";
    for (const Style& style : kStyles) {
        ResultLabelRun r;
        r.bold = style.bold;
        r.italic = style.italic;
        r.columns = resultLabelColumns("Print to File (PDF)", 0, style.bold);
        const Document doc = resultLabelDocument(run, r);
        const Document plain = [&] {
            std::vector<ResultLabel> same = run;
            same[4].street = "12 Main St ";
            return resultLabelDocument(same, r);
        }();
        ASSERT_EQ(doc.placements.size(), plain.placements.size()) << style.name;
        for (std::size_t i = 0; i < doc.placements.size(); ++i) {
            const Placement& p = doc.placements[i];
            const Placement& q = plain.placements[i];
            EXPECT_EQ(p.page, q.page) << style.name << " " << p.text;
            EXPECT_EQ(p.row, q.row) << style.name << " " << p.text;
            EXPECT_DOUBLE_EQ(p.y, q.y) << style.name << " " << p.text;
            if (!p.text.starts_with("12345")) {
                EXPECT_EQ(p.text, q.text);
                EXPECT_DOUBLE_EQ(p.x, q.x) << style.name << " " << p.text;
            }
        }
        // Each label's name starts inside its own label.
        for (std::size_t k = 0; k < run.size(); ++k) {
            const RectPt label = labelRect(kAvery5160, static_cast<int>(k % 30) + 1);
            int found = 0;
            for (const Placement& p : doc.placements) {
                if (p.text != run[k].name) continue;
                ++found;
                EXPECT_EQ(p.page, static_cast<int>(k / 30));
                const double x = p.x + kPrintableOffsetX;
                const double y = p.y + kPrintableOffsetY;
                EXPECT_TRUE(x > label.x && x < label.right() && y > label.y && y < label.bottom())
                    << style.name << " label " << k + 1;
            }
            EXPECT_EQ(found, 1) << run[k].name;
        }
    }
}

struct EnvelopeCase {
    bool bold, large, centred;
    const char* device;
};

Document envelopeOf(int size, const EnvelopeCase& c, const std::array<std::string, 5>& lines) {
    ComposerModel s;
    composerStart(s);
    s.lines = lines;
    composerEnvelopeClick(s);
    composerEnvelopeSizeClick(s, size - 1);
    if (c.centred) composerCenterClick(s);
    s.envelopeBold = c.bold;
    s.envelopeLarge = c.large;
    return printOne(s, {}, {}, c.device);
}

std::vector<EnvelopeCase> everyEnvelopeOption() {
    std::vector<EnvelopeCase> cases;
    for (const char* device : {"Print to File (PDF)", "HP Officejet 4630", "HP Photosmart 7520"}) {
        for (bool bold : {false, true}) {
            for (bool large : {false, true}) {
                for (bool centred : {false, true}) cases.push_back({bold, large, centred, device});
            }
        }
    }
    return cases;
}

std::string describe(const EnvelopeCase& c) {
    return std::string(c.device) + (c.bold ? " bold" : "") + (c.large ? " large" : "") +
           (c.centred ? " centred" : " left");
}

// USPS: the address lies at least 1/2 in from the left and right edges, at
// least 5/8 in above the bottom, and its top no more than 2 3/4 in above it.
TEST(EnvelopeInk, TheAddressLiesInTheReadAreaOfANumberTenEnvelope) {
    // The extremes over every option, in inches: least from the left, highest
    // top and lowest bottom above the bottom edge, least from the right.
    double left = 99, top = 0, bottom = 99, right = 99;
    for (const auto& lines : kAddresses) {
        if (lines[0].size() == 52) continue;  // cut lines: the next test
        for (const EnvelopeCase& c : everyEnvelopeOption()) {
            const Document doc = envelopeOf(1, c, lines);
            ASSERT_TRUE(doc.stock.envelope);
            const QImage page = renderPage(doc, 0, kInkDpi);
            const double width = page.width() * 72 / kInkDpi;
            const double height = page.height() * 72 / kInkDpi;
            ASSERT_NEAR(width, 9.5 * kInch, 0.5);
            ASSERT_NEAR(height, 4.125 * kInch, 0.5);
            const testing::InkBox ink = testing::inkBounds(page, QPointF(0, 0));
            ASSERT_TRUE(ink.any) << describe(c);
            const std::string where = describe(c) + " \"" + lines[0] + "\"";
            EXPECT_GE(ink.left, 0.5 * kInch) << where;
            EXPECT_LE(ink.right, width - 0.5 * kInch) << where;
            EXPECT_LE(ink.bottom, height - 0.625 * kInch) << where;
            EXPECT_GE(ink.top, height - 2.75 * kInch) << where;
            left = std::min(left, ink.left / kInch);
            top = std::max(top, (height - ink.top) / kInch);
            bottom = std::min(bottom, (height - ink.bottom) / kInch);
            right = std::min(right, (width - ink.right) / kInch);
        }
    }
    std::cout << "[ ink ] #10 envelope, every option: left >= " << left << " in, top <= " << top
              << " in and bottom >= " << bottom << " in above the bottom edge, right >= " << right
              << " in from the right edge\n";
}

TEST(EnvelopeInk, EverySizeKeepsTheAddressHalfAnInchInside) {
    for (int size = 1; size <= 6; ++size) {
        for (const auto& lines : {kAddresses[2], kAddresses[3], kAddresses[4]}) {
            for (const EnvelopeCase& c : everyEnvelopeOption()) {
                const Document doc = envelopeOf(size, c, lines);
                const QImage page = renderPage(doc, 0, kInkDpi);
                const double width = page.width() * 72 / kInkDpi;
                const double height = page.height() * 72 / kInkDpi;
                EXPECT_NEAR(width, doc.stock.medium.width, 0.5);
                EXPECT_NEAR(height, doc.stock.medium.height, 0.5);
                const testing::InkBox ink = testing::inkBounds(page, QPointF(0, 0));
                const std::string where =
                    doc.stock.name + " " + describe(c) + " \"" + lines[0] + "\"";
                ASSERT_TRUE(ink.any) << where;
                EXPECT_GE(ink.left, 0.5 * kInch) << where;
                EXPECT_LE(ink.right, width - 0.5 * kInch) << where;
                EXPECT_GE(ink.top, 0.5 * kInch) << where;
                EXPECT_LE(ink.bottom, height - 0.5 * kInch) << where;
            }
        }
    }
}

}  // namespace
}  // namespace varnel
