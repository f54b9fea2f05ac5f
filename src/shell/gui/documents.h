#pragma once
// The two documents as the shell opens them.
#include <string>

#include "app/app_state.h"

namespace varnel {

std::string userManualTarget(const AppState& context);
std::string stateListTarget(const AppState& context);

}  // namespace varnel
