#pragma once

#include "data/league.h"
#include "data/name_match.h"

#include <QGroupBox>

#include <optional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmora {

// League Settings' part for the league's points rules, as a person writes them: the points of
// each place from first on (empty: the league scores no race from its finishing order), of a
// classified car beyond them, of a car not classified, of the fastest lap, and how a chassis
// and an engine maker score.
class PointsRulesBox : public QGroupBox {
    Q_OBJECT
public:
    explicit PointsRulesBox(QWidget* parent);
    void setRules(const std::optional<PointsRules>& rules);
    // The rules the boxes give. False, with a tip at the box that holds something else, for
    // what is not whole numbers from -32768 to 32767.
    bool rules(std::optional<PointsRules>* rules) const;

private:
    void updateBoxes();

    QLineEdit *places_, *beyond_, *notClassified_, *fastestLap_;
    QComboBox *chassis_, *engine_;
};

// League Settings' part for the names the league has learnt from finishing orders: each shown
// with what it stands for, and removable (the file is written with the settings).
class LearntNamesBox : public QGroupBox {
    Q_OBJECT
public:
    LearntNamesBox(const League& league, QWidget* parent);
    bool changed() const { return changed_; }
    // The learnt names file as it is to be, when names were removed.
    std::vector<League::Replacement> replacement() const;

private:
    void showNames();

    LearntNames names_;
    bool readable_ = true; // every line of the file read
    bool changed_ = false;
    QListWidget* list_;
    QPushButton* remove_;
};

} // namespace velmora
