#include "window/design/maker.h"
#include "window/logic/frm_main_logic.h"

namespace duplexa {

void OpenHomepage(const FormView& window, HomepageOpener& opener) {
    opener.Open(window.WindowHandle(), kHomepageAddress);
}

}  // namespace duplexa
