#include "main/league_rules_box.h"

#include "toolkit/dialogs.h"
#include "toolkit/fixed_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

std::optional<int16_t> whole(const QString& text)
{
    bool number = false;
    const int value = text.trimmed().toInt(&number);
    return number && value >= -32768 && value <= 32767 ? std::optional(int16_t(value))
                                                       : std::nullopt;
}

} // namespace

PointsRulesBox::PointsRulesBox(QWidget* parent)
    : QGroupBox(tr("Points rules: a race scored from its finishing order"), parent)
{
    setObjectName(QStringLiteral("PointsRules"));
    auto* form = new QFormLayout(this);
    const auto row = [this, form](const char* name, const QString& caption, QWidget* control) {
        control->setObjectName(QString::fromLatin1(name));
        auto* label = new QLabel(caption, this);
        label->setBuddy(control);
        form->addRow(label, control);
    };
    const auto number = [this] {
        auto* box = new QLineEdit(this);
        holdsNumber(box, NumberField::Whole);
        return box;
    };
    places_ = new QLineEdit(this);
    places_->setPlaceholderText(QStringLiteral("25,18,15,12,10,8,6,4,2,1"));
    places_->setToolTip(tr("The points of each place from first on, separated by commas. Empty: "
                           "the league scores no race from its finishing order."));
    row("PointsPlaces", tr("&Places, from first:"), places_);
    row("PointsBeyond", tr("Classified be&yond them:"), beyond_ = number());
    row("PointsNotClassified", tr("Not c&lassified (DNF, DNS, DSQ):"), notClassified_ = number());
    row("PointsFastestLap", tr("&Fastest lap:"), fastestLap_ = number());
    chassis_ = new QComboBox(this);
    chassis_->addItems({tr("the sum of its two cars' points"), tr("the better of its two cars")});
    row("PointsChassis", tr("C&hassis scores:"), chassis_);
    engine_ = new QComboBox(this);
    engine_->addItems({tr("the points of every car of its maker"),
                       tr("the points of its own record's two cars")});
    row("PointsEngine", tr("&Engine maker scores:"), engine_);
    connect(places_, &QLineEdit::textChanged, this, &PointsRulesBox::updateBoxes);
    updateBoxes();
}

// The rest of the rules count only with the places.
void PointsRulesBox::updateBoxes()
{
    for (QWidget* w :
         std::initializer_list<QWidget*>{beyond_, notClassified_, fastestLap_, chassis_, engine_})
        w->setEnabled(!places_->text().trimmed().isEmpty());
}

void PointsRulesBox::setRules(const std::optional<PointsRules>& rules)
{
    const PointsRules r = rules.value_or(PointsRules());
    QStringList places;
    for (const int16_t p : r.places)
        places << QString::number(p);
    places_->setText(places.join(u','));
    beyond_->setText(rules ? QString::number(r.classifiedBeyond) : QString());
    notClassified_->setText(rules ? QString::number(r.notClassified) : QString());
    fastestLap_->setText(rules ? QString::number(r.fastestLap) : QString());
    chassis_->setCurrentIndex(r.chassis == PointsRules::Chassis::Best);
    engine_->setCurrentIndex(r.engine == PointsRules::Engine::Record);
}

bool PointsRulesBox::rules(std::optional<PointsRules>* rules) const
{
    const auto refuse = [](QLineEdit* box, const QString& tip) {
        box->setFocus();
        showTip(box, tip);
        return false;
    };
    if (places_->text().trimmed().isEmpty()) {
        rules->reset();
        return true;
    }
    PointsRules r;
    for (const QString& place : places_->text().split(u',')) {
        const std::optional<int16_t> points = whole(place);
        if (!points)
            return refuse(places_, tr("\u201c%1\u201d is not the points of each place: write "
                                      "whole numbers from -32768 to 32767 separated by commas, "
                                      "the first place's first.")
                                       .arg(places_->text().trimmed()));
        r.places.push_back(*points);
    }
    for (const auto& [box, into] : {std::pair{beyond_, &r.classifiedBeyond},
                                    {notClassified_, &r.notClassified},
                                    {fastestLap_, &r.fastestLap}}) {
        const std::optional<int16_t> points =
            box->text().trimmed().isEmpty() ? int16_t(0) : whole(box->text());
        if (!points)
            return refuse(box, tr("\u201c%1\u201d is not a whole number of points: write one "
                                  "from -32768 to 32767, or leave the box empty for 0.")
                                   .arg(box->text().trimmed()));
        *into = *points;
    }
    r.chassis =
        chassis_->currentIndex() == 1 ? PointsRules::Chassis::Best : PointsRules::Chassis::Sum;
    r.engine =
        engine_->currentIndex() == 1 ? PointsRules::Engine::Record : PointsRules::Engine::Maker;
    *rules = r;
    return true;
}

LearntNamesBox::LearntNamesBox(const League& league, QWidget* parent)
    : QGroupBox(tr("Names learnt from finishing orders"), parent)
{
    setObjectName(QStringLiteral("LearntNamesBox"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("LearntNames"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setMaximumHeight(list_->fontMetrics().lineSpacing() * 6);
    remove_ = new QPushButton(tr("Re&move"), this);
    remove_->setObjectName(QStringLiteral("RemoveName"));
    auto* layout = new QVBoxLayout(this);
    QString error, problem;
    // What cannot be read is said here, and nothing can be removed: the file is not written.
    readable_ = readLearntNames(league, &names_, &error, &problem) && problem.isEmpty();
    if (!readable_) {
        auto* said = new QLabel(error + problem, this);
        said->setObjectName(QStringLiteral("LearntProblem"));
        said->setWordWrap(true);
        said->setTextFormat(Qt::PlainText);
        layout->addWidget(said);
    }
    layout->addWidget(list_);
    layout->addWidget(remove_, 0, Qt::AlignRight);
    connect(list_, &QListWidget::itemSelectionChanged, this,
            [this] { remove_->setEnabled(readable_ && !list_->selectedItems().isEmpty()); });
    connect(remove_, &QPushButton::clicked, this, [this] {
        std::vector<LearntNames::Name> kept;
        for (std::size_t i = 0; i < names_.names.size(); ++i)
            if (!list_->item(int(i))->isSelected())
                kept.push_back(names_.names[i]);
        changed_ |= kept.size() != names_.names.size();
        names_.names = std::move(kept);
        showNames();
    });
    showNames();
}

void LearntNamesBox::showNames()
{
    list_->clear();
    for (const LearntNames::Name& n : names_.names)
        list_->addItem(n.means.isEmpty()
                           ? tr("\u201c%1\u201d: a car the league does not follow").arg(n.typed)
                           : tr("\u201c%1\u201d: %2").arg(n.typed, n.means));
    remove_->setEnabled(false);
    setVisible(!names_.names.empty() || !readable_);
}

std::vector<League::Replacement> LearntNamesBox::replacement() const
{
    if (!changed_)
        return {};
    return {{LeagueFile::LearntNames, names_.text()}};
}

} // namespace velmora
