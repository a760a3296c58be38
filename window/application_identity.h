#pragma once

namespace quarvel {

// The title of every message box; also the application name the entry sets.
inline constexpr char kApplicationName[] = "quarvel";

// Matches the installed desktop entry, so docks show the program's icon.
inline constexpr char kDesktopFileName[] = "com.quarvel.Calc";

}  // namespace quarvel
