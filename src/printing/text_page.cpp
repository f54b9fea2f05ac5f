#include "printing/text_page.h"

#include <algorithm>
#include <cmath>

#include "printing/font_metrics.h"
#include "printing/page_geometry.h"
#include "printing/text_fit.h"

namespace varnel {

namespace {
// Positions are sums of fractional widths; a hair's difference is not "past".
constexpr double kEpsilon = 1e-6;
}  // namespace

TextPage::TextPage(FontSpec font) : font_(std::move(font)) {}

void TextPage::setOrientation(Orientation orientation) { doc_.orientation = orientation; }

void TextPage::setPaper(PaperSize paper) {
    doc_.paper = paper;
    doc_.paperSet = true;
}

double TextPage::printableWidth() const {
    return printableSize(doc_.paper, doc_.orientation).width;
}

double TextPage::printableHeight() const {
    return printableSize(doc_.paper, doc_.orientation).height;
}

void TextPage::nextRow() {
    y_ += rowHeight(font_);
    ++row_;
    x_ = 0.0;
}

void TextPage::tab(int column) {
    const double target = (std::max(column, 1) - 1) * columnWidth(font_);
    if (x_ > target + kEpsilon) nextRow();
    x_ = target;
}

void TextPage::spc(int count) { x_ += std::max(count, 0) * spaceWidth(font_); }

void TextPage::text(std::string_view cp1252) {
    if (cp1252.empty()) return;  // nothing to place, and it takes no room
    const double height = rowHeight(font_);
    if (flow_ && y_ > kEpsilon && y_ + height > printableHeight() + kEpsilon) {
        const double x = x_;
        newPage();
        x_ = x;
    }
    if (hasRoom_ && x_ < roomLeft_) x_ = roomLeft_;
    FittedText fit{cp1252.size(), 1.0, textWidth(font_, cp1252)};
    if (hasRoom_ && x_ + fit.width > roomRight_ + kEpsilon) {
        if (centring_) x_ = std::max(roomLeft_, roomRight_ - fit.width);
        fit = fitText(font_, cp1252, roomRight_ - x_);
        if (fit.cut) {
            doc_.cuts.push_back(CutLine{page_, roomLabel_, std::string(cp1252),
                                        std::string(cp1252.substr(0, fit.length))});
        }
        if (fit.length == 0) return;
    }
    Placement p;
    p.page = page_;
    p.x = x_;
    p.y = y_;
    p.row = row_;
    p.column = static_cast<int>(std::floor(x_ / columnWidth(font_) + kEpsilon)) + 1;
    p.font = font_;
    p.text = std::string(cp1252.substr(0, fit.length));
    p.width = fit.width;
    p.height = height;
    p.stretch = fit.stretch;
    x_ += p.width;
    doc_.placements.push_back(std::move(p));
}

void TextPage::setRoom(double left, double right, int label) {
    hasRoom_ = true;
    roomLeft_ = left;
    roomRight_ = right;
    roomLabel_ = label;
}

void TextPage::setLabelRoom(const RectPt& label, int number) {
    setRoom(label.x + kLabelInset - kPrintableOffsetX,
            label.right() - kLabelInset - kPrintableOffsetX, number);
}

void TextPage::newLine() { nextRow(); }

void TextPage::printLine(std::initializer_list<LineItem> items) {
    for (const LineItem& item : items) {
        switch (item.kind) {
            case LineItem::Kind::Tab:
                tab(item.count);
                break;
            case LineItem::Kind::Spc:
                spc(item.count);
                break;
            case LineItem::Kind::Text:
                text(item.text);
                break;
        }
    }
    newLine();
}

void TextPage::resetPosition() {
    x_ = 0.0;
    y_ = 0.0;
    row_ = 0;
}

void TextPage::newPage() {
    ++page_;
    resetPosition();
}

Document TextPage::finish() {
    Document done = std::move(doc_);
    int lastPage = 0;
    for (const Placement& p : done.placements) lastPage = std::max(lastPage, p.page);
    done.pageCount = lastPage + 1;
    doc_ = Document{};
    doc_.orientation = done.orientation;
    doc_.paper = done.paper;
    doc_.paperSet = done.paperSet;
    hasRoom_ = false;
    centring_ = false;
    page_ = 0;
    resetPosition();
    return done;
}

}  // namespace varnel
