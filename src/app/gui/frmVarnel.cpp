#include "app/gui/frmVarnel.h"

namespace varnel {

frmVarnel::frmVarnel(AppContext& context, QWidget* parent) : QMainWindow(parent), ctx_(context) {
    setWindowTitle("Varnel");
}

void frmVarnel::Form_Load() { show(); }

}  // namespace varnel
