#pragma once
// The two documents as the shell opens them.
#include "ports/app_state.h"

namespace varnel {

// Opened with the system's viewer; when it cannot, a box names the document
// and where it is.
void openUserManual(AppState& context);
void openStateList(AppState& context);

}  // namespace varnel
