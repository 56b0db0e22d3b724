#include "window/qt/picture_store.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

// Resources compiled into a static library need their initialiser pulled in by name.
static void InitPictureResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace duplexa {
namespace {

QString PicturePath(const QString& name) {
    static const bool initialised = (InitPictureResources(), true);
    (void)initialised;
    return QStringLiteral(":/pictures/") + name;
}

// How each committed picture is made from its source (scripts/render-pictures.sh does the same
// at the design size).
struct PictureSource {
    const char* png;
    const char* svg;
    bool onWhite;  // flattened on the white of the header band
    bool pale;     // washed out towards white, for a flag's highlight
};

constexpr PictureSource kSources[] = {
    {"logo.png", "scale64.svg", true, false},
    {"emblem.png", "emblem.svg", true, false},
    {"flag_en.png", "flag_en.svg", true, false},
    {"flag_hu.png", "flag_hu.svg", true, false},
    {"flag_en_pale.png", "flag_en.svg", true, true},
    {"flag_hu_pale.png", "flag_hu.svg", true, true},
    {"layout_side.png", "layout_side.svg", false, false},
    {"layout_stacked.png", "layout_stacked.svg", false, false},
};

constexpr int kPaleWhitePercent = 45;

const PictureSource* SourceOf(const QString& name) {
    for (const PictureSource& source : kSources) {
        if (name == QLatin1String(source.png)) {
            return &source;
        }
    }
    return nullptr;
}

void WashOut(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const auto towardsWhite = [](int channel) {
                return (channel * (100 - kPaleWhitePercent) + 255 * kPaleWhitePercent + 50) / 100;
            };
            line[x] = qRgb(towardsWhite(qRed(line[x])), towardsWhite(qGreen(line[x])),
                           towardsWhite(qBlue(line[x])));
        }
    }
}

// The picture drawn afresh at ratio device pixels per pixel, with the design size as its
// logical size; null when the source is missing.
QPixmap Rendered(const PictureSource& source, QSize designSize, qreal ratio) {
    QSvgRenderer renderer(PicturePath(QStringLiteral("svg/") + QLatin1String(source.svg)));
    if (!renderer.isValid()) {
        return {};
    }
    const QSize pixels(static_cast<int>(std::ceil(designSize.width() * ratio)),
                       static_cast<int>(std::ceil(designSize.height() * ratio)));
    QImage image(pixels, source.onWhite ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    image.fill(source.onWhite ? Qt::white : Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    if (source.pale) {
        WashOut(image);
    }
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

// Every picture is a PNG, read by Qt's own reader: told the format, the reader does not load
// every image plugin to ask whether it knows the file first.
QPixmap ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QPixmap LoadPicture(const QString& name) {
    const QPixmap designed = ReadPng(PicturePath(name));
    // The largest ratio of any screen: drawn down on a lesser screen, a picture stays sharp.
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    const PictureSource* source = SourceOf(name);
    if (ratio <= 1.0 || source == nullptr || designed.isNull()) {
        return designed;
    }
    const QPixmap sharp = Rendered(*source, designed.size(), ratio);
    return sharp.isNull() ? designed : sharp;
}

// Up to the size a window manager draws in a title bar, task list or switcher: every size goes to
// the display in the window's properties, and a large one delays the window's first showing
// (some 5 ms with openbox). Docks and larger views take the icon theme's, found by the
// desktop file's name.
QIcon ProgramIcon() {
    QIcon icon;
    for (const char* name : {"icon16.png", "icon32.png", "icon48.png"}) {
        const QPixmap picture = ReadPng(PicturePath(QString::fromLatin1(name)));
        if (!picture.isNull()) {
            icon.addPixmap(picture);
        }
    }
    return icon;
}

}  // namespace duplexa
