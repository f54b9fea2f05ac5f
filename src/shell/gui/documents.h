#pragma once
// The two documents as the shell opens them.
#include <string>

#include "app/app_state.h"

namespace varnel {

std::string userManualTarget(const AppState& context);
std::string stateListTarget(const AppState& context);

// Opened with the system's viewer; when it cannot, a box names the document
// and where it is.
void openUserManual(AppState& context);
void openStateList(AppState& context);

}  // namespace varnel
