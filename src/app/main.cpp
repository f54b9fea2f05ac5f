#include <QApplication>
#include <QPrinterInfo>
#include <iostream>

#include "app/cli/command_line.h"
#include "app/gui/frmVarnel.h"
#include "app/gui/program_folder.h"
#include "ports/app_state.h"
#include "ports/gui/qt_dialogs.h"
#include "printing/gui/qt_printer.h"

namespace {

// A printer that prints without a dialog: to the PDF file of -o, or to the
// system printer --printer names (none when no such printer exists).
std::unique_ptr<varnel::Printer> makePrinter(const varnel::cli::PrintTarget& target) {
    auto printer = std::make_unique<varnel::QtPrinter>();
    if (target.printerName.empty()) {
        printer->printToPdf(QString::fromStdString(target.pdfPath.string()));
        return printer;
    }
    const QString name = QString::fromStdString(target.printerName);
    if (!QPrinterInfo::availablePrinterNames().contains(name)) return nullptr;
    printer->printTo(name);
    return printer;
}

// A command word runs without a window; Qt is there only for printing and the
// program folder, on the offscreen platform unless the caller chose one.
int runCommandLine(int argc, char** argv) {
    // Qt's own warnings (a missing runtime folder, font fallbacks) are no
    // business of a script reading stderr.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << '\n';
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName("Varnel");
    QGuiApplication::setApplicationVersion(VARNEL_VERSION);

    varnel::QtDialogs settings;  // its settings store only: a command shows no box
    varnel::cli::CommandEnv env{std::cout, std::cerr, varnel::programFolder(), makePrinter,
                                &settings};
    varnel::cli::Args args(argv + 1, argv + argc);
    return varnel::cli::runCommandLine(args, env);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) return runCommandLine(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnel");
    QApplication::setApplicationVersion(VARNEL_VERSION);
    QApplication::setStyle("Fusion");

    varnel::QtDialogs dialogs;
    varnel::QtPrinter printer;
    varnel::SystemClock clock;
    varnel::AppState context(dialogs, printer, clock, varnel::programFolder());

    varnel::frmVarnel window(context);
    window.Form_Load();
    if (window.isClosed()) return 0;
    return app.exec();
}
