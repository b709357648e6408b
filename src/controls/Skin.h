#pragma once
#include <QIcon>
#include <QPixmap>

#include "controls/SkinResources.h"

class QPainter;
class QRect;

// The numbered pictures of the program's one light-blue skin. They are drawn in code
// the first time they are asked for (the same drawing the asset generator uses for
// the picture files), so they exist in every program and test that links the controls.
namespace Skin {

// The picture with that resource number; a null pixmap for numbers the program lacks.
QPixmap resource(int number);
// Every number resource() knows.
QList<int> resourceNumbers();
// The program icon (resource 128) in its sizes.
QIcon programIcon();

// Paints the main panel's background from the skin pieces stretched over rect
// (title bar 0..20, banner band to y 79, category column x 0..29, bottom row of 34);
// with border set, also the 2-pixel border.
void paintPanel(QPainter& painter, const QRect& rect, bool border);
// Paints a tool window title strip over rect.
void paintToolTitle(QPainter& painter, const QRect& rect);

} // namespace Skin
