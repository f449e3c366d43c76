#pragma once

namespace vesperon {

// When the X server goes away, Qt's xcb platform warns and ends the program with exit status 1;
// Vesperon's own connections only stop reading. This puts Vesperon's one line in place of Qt's
// warning. Call before the QApplication exists.
void sayOnceWhenTheXServerIsLost();

} // namespace vesperon
