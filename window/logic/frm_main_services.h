#pragma once
// What the main window reaches outside itself, whichever toolkit draws it; tests put stand-ins
// here.

#include <memory>
#include <string>

#include "runtime/desktop.h"
#include "runtime/homepage_opener.h"
#include "runtime/pointer_position.h"
#include "settings/registry_common.h"

namespace duplexa {

struct frmMainServices {
    std::unique_ptr<PointerPosition> pointer = MakeSystemPointerPosition();
    std::unique_ptr<HomepageOpener> opener = MakeSystemHomepageOpener();
    std::string settingsKey = modRegistryCommon::kMakerKey;
    std::unique_ptr<Desktop> desktop = MakeSystemDesktop();
};

}  // namespace duplexa
