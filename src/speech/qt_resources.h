#pragma once
// The help pages and sounds compiled into the executable through Qt's resource system.

#include <memory>

#include "engine/resources.h"

namespace yacht {

// Finds ":/<TYPE>/<NAME>" with type and name matched without regard to case.
std::unique_ptr<Resources> makeQtResources();

}  // namespace yacht
