// The window's Save command (button id 1002).
#pragma once

// Appends the window's last result to the tool's CSV record file and tells
// the user how it went: status line and a message box owned by the window.
void saveRecord();
