#include <QApplication>

#include "app/app_context.h"
#include "app/gui/frmVarnel.h"
#include "app/gui/program_folder.h"
#include "ports/gui/qt_dialogs.h"
#include "ports/gui/qt_printer.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnel");
    QApplication::setApplicationVersion(VARNEL_VERSION);
    QApplication::setStyle("Fusion");

    varnel::QtDialogs dialogs;
    varnel::QtPrinter printer;
    varnel::SystemClock clock;
    varnel::AppContext context(dialogs, printer, clock, varnel::programFolder());

    varnel::frmVarnel window(context);
    window.Form_Load();
    if (window.isClosed()) return 0;
    return app.exec();
}
