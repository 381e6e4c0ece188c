#pragma once

#include "data/data_dir.h"

#include <QString>

class QWidget;

namespace velmora {
class Main;
}

namespace velmora::shots {

// What every shooting function gets: a data directory filled with the sample league, the
// main window on it, and where the pictures go.
struct Context {
    DataDir data;
    Main* main;
    QString outputDir;
};

// Saves a picture of the widget (a whole window, frame excluded) as <name>.png.
void save(const Context& context, QWidget* widget, const QString& name);

// One function per subsystem, each in its own file.
void shootMain(const Context& context);
void shootDatabases(const Context& context);
void shootScoring(const Context& context);
void shootCalculator(const Context& context);
void shootAbout(const Context& context);

} // namespace velmora::shots
