// The desktop program's message boxes and folder browser: installs the
// handlers that show every box, and the browser, as dialogs on the
// user-interface thread.
#pragma once

// Boxes asked for from another thread are shown on the user-interface thread
// while the asking thread waits for the answer.
void InstallDialogBoxes();
