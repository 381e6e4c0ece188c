#include "main/settings_window.h"

#include "data/league.h"
#include "data/text.h"
#include "main/league_rules_box.h"
#include "toolkit/dialogs.h"
#include "toolkit/fixed_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

QLineEdit* addBox(QWidget* parent, QFormLayout* form, const char* name, const QString& caption,
                  QWidget* row = nullptr)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    auto* label = new QLabel(caption, parent);
    label->setBuddy(box);
    form->addRow(label, row ? row : box);
    return box;
}

} // namespace

bool readBudget(QLineEdit* box, std::optional<double>* budget)
{
    const QString text = box->text().trimmed();
    bool number = text.isEmpty();
    const double value = number ? 0 : QLocale::c().toDouble(text, &number);
    if (!number || !std::isfinite(value) || value < 0) {
        box->setFocus();
        showTip(box, SettingsWindow::tr("\u201c%1\u201d is not a budget: write the millions with "
                                        "digits and a point, as 40.5, or leave the box empty.")
                         .arg(text));
        return false;
    }
    *budget = value > 0 ? std::optional(value) : std::nullopt;
    return true;
}

SettingsWindow::SettingsWindow(League& league, QWidget* parent) : QDialog(parent), league_(league)
{
    setObjectName(QStringLiteral("League_Settings"));
    setWindowTitle(tr("League Settings \u2014 %1").arg(league.name()));
    auto* form = new QFormLayout;
    name_ = addBox(this, form, "Name", tr("&Name:"));
    holdsName(name_);
    budget_ = addBox(this, form, "Budget", tr("&Budget (millions):"));
    holdsNumber(budget_, NumberField::Real);
    auto* siteRow = new QWidget(this);
    auto* siteLayout = new QHBoxLayout(siteRow);
    siteLayout->setContentsMargins(0, 0, 0, 0);
    site_ = addBox(this, form, "Site", tr("&Site folder:"), siteRow);
    site_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    auto* browse = new QPushButton(tr("B&rowse..."), siteRow);
    browse->setObjectName(QStringLiteral("Browse"));
    siteLayout->addWidget(site_);
    siteLayout->addWidget(browse);
    top_ = addBox(this, form, "Top", tr("&Owners in colour on the chart:"));
    holdsNumber(top_, NumberField::Whole);
    transfers_ = addBox(this, form, "Transfers", tr("&Transfers an owner may make:"));
    transfers_->setPlaceholderText(tr("none: a pick counts for the whole season"));
    transfers_->setToolTip(tr("A number for each season, or \"unlimited\"; empty, changing a "
                              "pick changes the whole season."));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("O&K"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Ok"));
    QPushButton* cancel = buttons->addButton(league.writable() ? tr("&Cancel") : tr("&Close"),
                                             QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(ok, &QPushButton::clicked, this, &SettingsWindow::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FolderDialog::fills(browse, site_, tr("The folder the season is published to"));
    auto* layout = new QVBoxLayout(this);

    // The file as it is now: one mended since the league was opened is read whole.
    league.readSettings();
    if (!league.settingsError().isEmpty()) {
        auto* problem = new QLabel(league.settingsError()
                                       + tr("\nOpen League Settings again once the "
                                            "file is mended: until then OK stores "
                                            "nothing."),
                                   this);
        problem->setObjectName(QStringLiteral("Problem"));
        problem->setWordWrap(true);
        problem->setTextFormat(Qt::PlainText);
        layout->addWidget(problem);
        ok->setEnabled(false);
    }
    layout->addLayout(form);
    layout->addWidget(rules_ = new PointsRulesBox(this));
    layout->addWidget(learnt_ = new LearntNamesBox(league, this));
    layout->addWidget(buttons);
    const LeagueSettings& s = league.settings();
    name_->setText(s.name);
    budget_->setText(s.budget ? QString::number(*s.budget, 'g', 9) : QString());
    site_->setText(s.site);
    top_->setText(s.top ? QString::number(*s.top) : QString());
    transfers_->setText(!s.transfers ? QString()
                        : *s.transfers == LeagueSettings::Unlimited
                            ? QStringLiteral("unlimited")
                            : QString::number(*s.transfers));
    rules_->setRules(s.points);
    shown_ = shownState(this);
}

void SettingsWindow::reject()
{
    if (league_.writable() && league_.settingsError().isEmpty()
        && (shownState(this) != shown_ || learnt_->changed())
        && !closeAfterAsking(this, [this] { store(); }))
        return;
    QDialog::reject();
}

// An empty budget or one of 0 is no budget; an empty top is the publisher's own number. A box
// that holds no number it can take is refused at the box, and nothing is stored.
void SettingsWindow::store()
{
    LeagueSettings s = league_.settings();
    if (!readBudget(budget_, &s.budget))
        return;
    const QString topText = top_->text().trimmed();
    bool whole = true;
    const int top = topText.isEmpty() ? 0 : topText.toInt(&whole);
    if (!whole || top < 0) {
        top_->setFocus();
        return showTip(top_, tr("\u201c%1\u201d is not a number of owners: write a "
                                "whole number, 0 or more, or leave the box empty.")
                                 .arg(topText));
    }
    s.top = topText.isEmpty() ? std::nullopt : std::optional(top);
    if (!rules_->rules(&s.points))
        return;
    s.name = name_->text().trimmed();
    s.site = site_->text().trimmed();
    const QString transfers = transfers_->text().trimmed();
    bool number = true;
    s.transfers.reset();
    if (transfers.compare(u"unlimited", Qt::CaseInsensitive) == 0)
        s.transfers = LeagueSettings::Unlimited;
    else if (!transfers.isEmpty())
        s.transfers = transfers.toInt(&number);
    if (!number || s.transfers.value_or(0) < 0) {
        transfers_->setFocus();
        return showTip(transfers_, tr("\u201c%1\u201d is not a number of transfers: write a whole "
                                      "number, 0 or more, or \u201cunlimited\u201d, or leave the "
                                      "box empty.")
                                       .arg(transfers));
    }
    QString error;
    if (!league_.storeSettings(s, &error, learnt_->replacement()))
        return Messages::error(this, error);
    accept();
}

} // namespace velmora
