#pragma once
#include <QColor>

class QApplication;

// The program-wide look: the light-blue background with black text that every dialog
// and message box shows unless it paints its own.
namespace Style {
// Installs the palette and style sheet on the application object (call once, early).
void applyApplicationLook(QApplication& app);
// The light-blue dialog background, (204, 235, 255).
QColor dialogBackground();
// A darker blue of the same skin, for frames and selections.
QColor skinFrame();
}
