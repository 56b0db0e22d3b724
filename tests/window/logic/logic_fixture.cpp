#include "logic_fixture.h"

#include "core/language.h"

namespace duplexa::test {

LogicTest::LogicTest()
    : logic(state, form, pointer, opener, Maker()), savedLanguage_(currentLanguage) {
    form.onUnload = [this] { logic.Form_Unload(); };
}

LogicTest::~LogicTest() {
    currentLanguage = savedLanguage_;
}

}  // namespace duplexa::test
