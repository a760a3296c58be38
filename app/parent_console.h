#pragma once

namespace quarvel {

// On Windows the program is a GUI program with no console of its own: this
// attaches it to the console of the terminal that started it, if any, so that
// --help, --version and start-up errors reach that terminal. Does nothing on
// other systems.
void attachParentConsole();

}  // namespace quarvel
