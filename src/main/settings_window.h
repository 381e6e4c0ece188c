#pragma once

#include <QDialog>

class QLineEdit;

namespace velmora {
class LearntNamesBox;
class PointsRulesBox;
} // namespace velmora

#include <optional>

namespace velmora {

class League;

// A budget typed in a settings box: empty (or 0) for none, else a number in millions written
// with digits and a point. False, with a tip at the box saying what is wrong ("forty", "40,5"),
// for anything else, which a store would otherwise drop without a word.
bool readBudget(QLineEdit* box, std::optional<double>* budget);

// "League Settings": the league's name, budget, site folder, the owners its chart draws in
// colour, the transfers an owner may make, its points rules and the names it learnt (removed
// there), stored in the league's settings file by OK (in a read-only league, refused as every
// store is). The file is read again when the window opens; lines of it that cannot be read are
// told in the window, which shows the other settings and stores nothing until they are mended.
// Closed with changes not stored, it asks first.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    explicit SettingsWindow(League& league, QWidget* parent = nullptr);

protected:
    void reject() override;

private:
    void store();

    League& league_;
    QLineEdit *name_, *budget_, *site_, *top_, *transfers_;
    PointsRulesBox* rules_;
    LearntNamesBox* learnt_;
    QStringList shown_; // what the boxes showed when the window opened
};

} // namespace velmora
