#pragma once

#include <QIcon>
#include <QImage>

namespace velmora {

// The program's icon, drawn in code: a chequered flag on a pole over a red rounded square.
// The image is drawn afresh for each size, so small sizes stay sharp.
QImage programIconImage(int size);

// The icon at the usual sizes (16 to 256 pixels), for window icons and the About box.
QIcon programIcon();

} // namespace velmora
