#pragma once
// Every control of the main window, by the name it carries as its objectName.

#include <array>

class QPushButton;
class QTimer;
class QWidget;

namespace duplexa {

class AutoSizeLabel;
class CaptionButton;
class DropBox;
class FrameWidget;
class ImageBox;
class Label;
class LineWidget;
class ShapeWidget;

struct frmMainControls {
    ShapeWidget* Shape3 = nullptr;  // the white header band
    ImageBox* Image1 = nullptr;     // the logo
    AutoSizeLabel* lblTitle = nullptr;
    ImageBox* Image2 = nullptr;  // the maker's emblem
    AutoSizeLabel* Label10 = nullptr;
    AutoSizeLabel* lblVersion = nullptr;
    Label* lblHomepage = nullptr;
    ImageBox* imgLangENG = nullptr;
    ImageBox* imgLangHUN = nullptr;
    ImageBox* imgLangENG_hl = nullptr;
    ImageBox* imgLangHUN_hl = nullptr;
    LineWidget* Line3 = nullptr;
    std::array<DropBox*, 2> lblFile{};
    FrameWidget* frResult = nullptr;  // holds the result sign
    ShapeWidget* sEqual1 = nullptr;
    ShapeWidget* sEqual2 = nullptr;
    LineWidget* strikeLine = nullptr;
    CaptionButton* comCompare = nullptr;
    Label* lblResult = nullptr;
    LineWidget* Line2 = nullptr;
    LineWidget* Line1 = nullptr;
    AutoSizeLabel* lblLayout = nullptr;
    QPushButton* cmdOrder1 = nullptr;
    QPushButton* cmdOrder2 = nullptr;
    CaptionButton* ComClose = nullptr;
    QTimer* tmrLang = nullptr;
};

// Builds the controls on form with their design values: places, sizes, texts, fonts,
// colours, pictures, visibility, stacking order and focus order.
frmMainControls BuildFrmMainControls(QWidget& form);

}  // namespace duplexa
