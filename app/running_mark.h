#pragma once

namespace quarvel {

// Marks the program as running until its process ends, however it ends: on
// Windows a named mutex that the installer and the uninstaller look for, so
// that they neither replace nor remove the files of a program that is open.
// Does nothing on other systems, whose package managers replace files in use.
void markRunning();

}  // namespace quarvel
