// The desktop program's message boxes: installs the handler that shows every
// box of the program as a dialog on the user-interface thread.
#pragma once

// Boxes asked for from another thread are shown on the user-interface thread
// while the asking thread waits for the answer.
void InstallDialogBoxes();
