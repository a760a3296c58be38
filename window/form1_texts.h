#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>

#include "estimate/pour_estimate.h"

namespace quarvel {

// The texts the window sets itself share the form's translation context, so
// that the Feet captions, which the form shows at start as well, are one
// entry for translators. They are marked here and translated where shown.
inline constexpr char kFormContext[] = "Form1";

inline QString translated(const char* text) {
  return QCoreApplication::translate(kFormContext, text);
}

struct DimensionCaptions {
  const char* length;  // Label3
  const char* width;   // Label4
  const char* depth;   // Label5
};

inline constexpr DimensionCaptions captionsFor(estimate::LengthUnit unit) {
  return unit == estimate::LengthUnit::Feet
             ? DimensionCaptions{QT_TRANSLATE_NOOP("Form1", "Length in Feet"),
                                 QT_TRANSLATE_NOOP("Form1", "Width in Feet"),
                                 QT_TRANSLATE_NOOP("Form1", "Depth in Feet")}
             : DimensionCaptions{QT_TRANSLATE_NOOP("Form1", "Length in Inches"),
                                 QT_TRANSLATE_NOOP("Form1", "Width in Inches"),
                                 QT_TRANSLATE_NOOP("Form1", "Depth in Inches")};
}

// Texts, not numbers: what the user picks is read as typed. 66 is left out on purpose.
inline constexpr std::array<const char*, 25> kPrices{
    "50", "52", "54", "56", "58", "60", "62", "64", "68", "70", "72", "74", "76",
    "78", "80", "82", "84", "86", "88", "90", "92", "94", "96", "98", "100"};

inline constexpr char kWarrantyText[] = QT_TRANSLATE_NOOP(
    "Form1",
    "These programs and their documentation are offered without warranty of any kind. Zandrel, "
    "Dunmaran (QZ9XQ), makes no claim as to it's suitability for any purpose. This program is AS "
    "IS, and changes may be made to it at any time without incurring any obligations to former "
    "users. The entire risk arising from the use of this product remains with the user.");

}  // namespace quarvel
