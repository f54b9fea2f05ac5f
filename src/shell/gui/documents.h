#pragma once
// The two documents as the shell opens them.
#include <string>

#include "app/app_context.h"

namespace varnel {

std::string userManualTarget(const AppContext& context);
std::string stateListTarget(const AppContext& context);

}  // namespace varnel
