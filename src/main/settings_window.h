#pragma once

#include <QDialog>

class QLineEdit;

namespace velmora {

class League;

// "League Settings": the league's name, budget, site folder and the owners its chart draws in
// colour, stored in the league's settings file by OK (in a read-only league, refused as every
// store is). A settings file that cannot be read is told, and the window does not open.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    explicit SettingsWindow(League& league, QWidget* parent = nullptr);
    bool loaded() const { return loaded_; }

private:
    void store();

    League& league_;
    bool loaded_ = false;
    QLineEdit *name_, *budget_, *site_, *top_;
};

} // namespace velmora
