#pragma once

#include <span>

namespace quarvel {

// Every place and size of the window is in twips; the window maps them to
// logical pixels at this ratio (96 dots per inch).
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int kClientWidth = 2490;
// The designed frame: 60 twips left, right and bottom, 345 at the top.
inline constexpr int kFrameWidth = 120;
inline constexpr int kFrameHeight = 405;

// Outer heights of the window: collapsed hides everything below y = 3090.
inline constexpr int CollapsedHeight = 3495;
inline constexpr int ExpandedHeight = 5175;

enum class ControlKind { OptionButton, Label, TextBox, CommandButton, ComboBox, Line };

// Settings beyond place and text, combinable.
enum ControlStyle : unsigned {
  kPlain = 0,
  kBorder = 1u << 0,
  kCentred = 1u << 1,
  kRed = 1u << 2,
  kWrapped = 1u << 3,
  kClickable = 1u << 4,
  kNotePointer = 1u << 5,
  kSelected = 1u << 6,
  kCopyable = 1u << 7,  // an output the user can select and copy
};

inline constexpr int kNoTabStop = -1;

struct ControlSpec {
  const char* name;
  ControlKind kind;
  const char* text;
  int left, top, width, height;  // twips; a line's height is 0
  int tabIndex;
  unsigned style;
  const char* toolTip;
  const char* description;  // read out by screen readers
};

std::span<const ControlSpec> layoutTable();

}  // namespace quarvel
