#include "window/layout_table.h"

#include <array>

namespace quarvel {
namespace {

using enum ControlKind;

constexpr std::array kControls{
    // name, kind, text, left, top, width, height, tab, style, tooltip, description
    ControlSpec{"Option1", OptionButton, "&Feet", 240, 120, 855, 195, 12, kSelected, "", ""},
    ControlSpec{"Option2", OptionButton, "&Inches", 1440, 120, 975, 195, 13, kPlain, "", ""},
    ControlSpec{"Label3", Label, "Length in Feet", 120, 480, 1215, 255, 8, kPlain, "", ""},
    ControlSpec{"Text1", TextBox, "", 1440, 480, 855, 285, 0, kPlain, "", ""},
    ControlSpec{"Label4", Label, "Width in Feet", 120, 960, 1215, 255, 9, kPlain, "", ""},
    ControlSpec{"Text2", TextBox, "", 1440, 960, 855, 285, 1, kPlain, "", ""},
    ControlSpec{"Label5", Label, "Depth in Feet", 120, 1440, 1335, 255, 10, kPlain, "", ""},
    ControlSpec{"Text3", TextBox, "", 1440, 1440, 855, 285, 2, kPlain, "", ""},
    ControlSpec{"Command2", CommandButton, "Cost", 240, 2040, 855, 375, 4, kPlain, "", ""},
    ControlSpec{"Command1", CommandButton, "=", 1440, 2040, 855, 375, 3, kPlain, "", ""},
    ControlSpec{"Label6", Label, "Total Cubic Yards", 0, 2640, 1335, 255, 11, kPlain, "", ""},
    ControlSpec{"Label1", Label, "", 1440, 2640, 855, 255, 7, kBorder | kCentred | kCopyable, "",
                "Total cubic yards"},
    ControlSpec{"Line1", Line, "", 0, 3120, 2520, 0, kNoTabStop, kPlain, "", ""},
    ControlSpec{"Label2", Label, "Current Cost /YD", 0, 3240, 1215, 255, 14, kPlain, "", ""},
    ControlSpec{"Combo1", ComboBox, "70", 1440, 3240, 855, 315, 5, kPlain,
                "Choose from list or enter manually", ""},
    ControlSpec{"Label10", Label, "Estimation only. Your actual values may vary slightly...", 0,
                3600, 1335, 615, 18, kRed | kCentred | kWrapped | kClickable | kNotePointer, "",
                ""},
    ControlSpec{"Command3", CommandButton, "=", 1440, 3720, 855, 375, 6, kPlain, "", ""},
    ControlSpec{"Label7", Label, "Total Cost", 120, 4320, 855, 255, 15, kPlain, "", ""},
    ControlSpec{"Label9", Label, "$", 1320, 4320, 135, 255, 17, kPlain, "", ""},
    ControlSpec{"Label8", Label, "", 1440, 4320, 855, 255, 16, kBorder | kCentred | kCopyable, "",
                "Total cost"},
};

}  // namespace

std::span<const ControlSpec> layoutTable() {
  return kControls;
}

}  // namespace quarvel
