#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLineEdit;

namespace velmora {

class League;

// "New Season": the folder of the season after the open league's (offered as next year's
// beside it), the new season's name and budget, and whether the owners' entries go along.
// OK makes it (see makeNewSeason); the window stays open when that fails.
class NewSeasonWindow : public QDialog {
    Q_OBJECT
public:
    explicit NewSeasonWindow(const League& league, QWidget* parent = nullptr);
    // The new season's folder, once made.
    QString folder() const;

protected:
    // Closed with the offer changed and the season not made, it asks first.
    void reject() override;

private:
    void make();

    const League& league_;
    QLineEdit *folder_, *name_, *budget_;
    QCheckBox* entries_;
    QStringList offered_; // what the boxes showed when the window opened
};

} // namespace velmora
