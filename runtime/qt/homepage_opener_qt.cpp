#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include "runtime/homepage_opener.h"

namespace duplexa {
namespace {

class DesktopHomepageOpener final : public HomepageOpener {
  public:
    void Open(NativeWindowHandle, const std::string& address) override {
        // The desktop picks the user's browser; a failure shows nothing.
        QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::StrictMode));
    }
};

}  // namespace

std::unique_ptr<HomepageOpener> MakeSystemHomepageOpener() {
    return std::make_unique<DesktopHomepageOpener>();
}

}  // namespace duplexa
