// Renders a Markdown document to a PDF page by page with Qt's own text
// layout, so the documents need no tool beyond the ones the program uses.
#include <QApplication>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextStream>
#include <QTextTable>
#include <cstdio>

namespace {

// Markdown tables come out cramped; give them the page width, thin ruled
// lines and room around the text.
void styleTables(QTextFrame* frame, double pixelsPerPoint) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat format = table->format();
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            format.setBorder(0.75 * pixelsPerPoint);
            format.setBorderBrush(QColor(150, 150, 150));
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setCellPadding(1.8 * pixelsPerPoint);
            format.setCellSpacing(0);
            format.setTopMargin(3 * pixelsPerPoint);
            format.setBottomMargin(6 * pixelsPerPoint);
            table->setFormat(format);
            // The heading row is shaded.
            for (int c = 0; c < table->columns(); ++c) {
                QTextTableCell cell = table->cellAt(0, c);
                QTextCharFormat shade = cell.format();
                shade.setBackground(QColor(230, 236, 244));
                cell.setFormat(shade);
            }
        }
        styleTables(child, pixelsPerPoint);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s input.md output.pdf title\n", argv[0]);
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString markdown = QString::fromUtf8(input.readAll());

    QTextDocument document;
    QFont body("DejaVu Sans");
    body.setPointSizeF(10);
    document.setDefaultFont(body);
    document.setMarkdown(markdown);
    document.setDocumentMargin(0);
    document.setMetaInformation(QTextDocument::DocumentTitle, QString::fromUtf8(argv[3]));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[2]));
    printer.setDocName(QString::fromUtf8(argv[3]));
    printer.setCreator("Varnel");
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                      QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
    // Printing lays the document out in screen pixels of 1/96 inch.
    styleTables(document.rootFrame(), 96.0 / 72.0);
    // Printing an unpaginated document breaks it into pages and numbers them.
    document.print(&printer);
    return 0;
}
