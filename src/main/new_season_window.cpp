#include "main/new_season_window.h"
#include "main/settings_window.h"

#include "data/league.h"
#include "data/new_season.h"
#include "data/text.h"
#include "toolkit/busy_cursor.h"
#include "toolkit/dialogs.h"
#include "toolkit/fixed_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

NewSeasonWindow::NewSeasonWindow(const League& league, QWidget* parent)
    : QDialog(parent), league_(league)
{
    setObjectName(QStringLiteral("New_Season"));
    setWindowTitle(tr("New Season after %1").arg(league.name()));
    auto* form = new QFormLayout;
    const auto addBox = [this, form](const char* name, const QString& caption, QWidget* row) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        form->addRow(label, row ? row : box);
        return box;
    };
    auto* folderRow = new QWidget(this);
    auto* folderLayout = new QHBoxLayout(folderRow);
    folderLayout->setContentsMargins(0, 0, 0, 0);
    folder_ = addBox("Folder", tr("&Folder:"), folderRow);
    folder_->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    auto* browse = new QPushButton(tr("B&rowse..."), folderRow);
    browse->setObjectName(QStringLiteral("Browse"));
    folderLayout->addWidget(folder_);
    folderLayout->addWidget(browse);
    name_ = addBox("Name", tr("&Name:"), nullptr);
    holdsName(name_);
    budget_ = addBox("Budget", tr("&Budget (millions):"), nullptr);
    holdsNumber(budget_, NumberField::Real);
    entries_ = new QCheckBox(tr("&Keep every owner's entry, with 0 points"), this);
    entries_->setObjectName(QStringLiteral("Entries"));
    entries_->setChecked(true);
    form->addRow(QString(), entries_);
    auto* note = new QLabel(tr("Teams and test drivers keep their names and prices, "
                               "every score starts at 0; no races are taken along. "
                               "This season's folder is not changed."),
                            this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("&Start Season"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Ok"));
    QPushButton* cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(ok, &QPushButton::clicked, this, &NewSeasonWindow::make);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FolderDialog::fills(browse, folder_, tr("The new season's folder (new or empty)"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);

    // Next year's folder beside this one, when this one's name ends in a year.
    const QFileInfo old(league.dir().path());
    if (const QString next = nextSeasonName(old.fileName()); !next.isEmpty())
        folder_->setText(old.absolutePath() + u'/' + next);
    const LeagueSettings& s = league.settings();
    const QString nextName = nextSeasonName(s.name);
    name_->setText(nextName.isEmpty() ? s.name : nextName);
    budget_->setText(s.budget ? QString::number(*s.budget, 'g', 9) : QString());
    offered_ = shownState(this);
}

void NewSeasonWindow::reject()
{
    if (shownState(this) != offered_ && !closeAfterAsking(this, [this] { make(); }))
        return;
    QDialog::reject();
}

QString NewSeasonWindow::folder() const
{
    return QDir::cleanPath(QFileInfo(folder_->text().trimmed()).absoluteFilePath());
}

void NewSeasonWindow::make()
{
    if (folder_->text().trimmed().isEmpty())
        return Messages::error(this, tr("Say which folder the new season goes to."));
    LeagueSettings s = league_.settings();
    s.name = name_->text().trimmed();
    if (!readBudget(budget_, &s.budget))
        return;
    QString error;
    bool made;
    {
        BusyCursor busy;
        made = makeNewSeason(league_, folder(), entries_->isChecked(), s, &error);
    }
    if (!made)
        return Messages::error(this, error);
    accept();
}

} // namespace velmora
