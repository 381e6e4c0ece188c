#include "scoring/decisions_window.h"

#include "data/entry_rules.h"
#include "data/io.h"
#include "data/text.h"
#include "scoring/championship.h"
#include "scoring/penalty_dialog.h"
#include "scoring/scoring_window.h"
#include "toolkit/dialogs.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace velmora {

// The league's decisions record for the view, and its owner here: a change is a new record shown
// (show()). A row a transfer, penalty or bonus, the latest first; other kinds are not listed.
class DecisionsModel : public QAbstractTableModel {
public:
    struct Names {
        std::vector<std::array<QString, 4>> teams;
        QStringList testDrivers, races;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void show(const Decisions& decisions, Names names)
    {
        beginResetModel();
        decisions_ = decisions;
        names_ = std::move(names);
        rows_.clear();
        for (std::size_t k = decisions_.list.size(); k-- > 0;)
            if (decisions_.list[k].isTransfer() || decisions_.list[k].isAdjustment())
                rows_.push_back(k);
        endResetModel();
    }
    const Decisions& decisions() const { return decisions_; }
    // The decision a row shows (its place in the record), or none.
    std::optional<std::size_t> at(const QModelIndex& index) const
    {
        if (!index.isValid() || std::size_t(index.row()) >= rows_.size())
            return std::nullopt;
        return rows_[std::size_t(index.row())];
    }
    int rowOf(std::size_t k) const
    {
        return int(std::find(rows_.begin(), rows_.end(), k) - rows_.begin());
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : 4;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const std::optional<std::size_t> k = at(index);
        if (!k)
            return {};
        const Decision& d = decisions_.list[*k];
        if (role == Qt::ForegroundRole && d.takenBack)
            return QPalette().color(QPalette::Disabled, QPalette::Text);
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        switch (index.column()) {
        case 0:
            return d.owner;
        case 1:
            return what(d);
        case 2:
            return d.race < names_.races.size() ? DecisionsWindow::tr("Race %1, %2")
                                                      .arg(d.race + 1)
                                                      .arg(names_.races[d.race])
                   : d.race == names_.races.size()
                       ? DecisionsWindow::tr("The next race (race %1)").arg(d.race + 1)
                       : DecisionsWindow::tr("Race %1").arg(d.race + 1);
        default:
            return d.reason;
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        static const char* const heads[] = {
            QT_TRANSLATE_NOOP("velmora::DecisionsWindow", "Owner"),
            QT_TRANSLATE_NOOP("velmora::DecisionsWindow", "Decision"),
            QT_TRANSLATE_NOOP("velmora::DecisionsWindow", "Counts from or in"),
            QT_TRANSLATE_NOOP("velmora::DecisionsWindow", "Reason")};
        return DecisionsWindow::tr(heads[section]);
    }

private:
    QString pickName(Pick::Slot slot, int position) const
    {
        const Pick p = Pick::at(slot, position);
        const std::size_t at = std::size_t(p.record);
        if (p.record >= 0 && p.isTeamPart() && at < names_.teams.size())
            return names_.teams[at][std::size_t(p.slot)];
        if (p.record >= 0 && !p.isTeamPart() && at < std::size_t(names_.testDrivers.size()))
            return names_.testDrivers[qsizetype(at)];
        return DecisionsWindow::tr("none");
    }
    QString what(const Decision& d) const
    {
        static const char* const places[] = {
            QT_TRANSLATE_NOOP("velmora::DecisionsWindow", "Team"),
            QT_TRANSLATE_NOOP("velmora::DecisionsWindow", "Engine"),
            QT_TRANSLATE_NOOP("velmora::DecisionsWindow", "Driver 1"),
            QT_TRANSLATE_NOOP("velmora::DecisionsWindow", "Driver 2"),
            QT_TRANSLATE_NOOP("velmora::DecisionsWindow", "Test driver")};
        const bool penalty = d.kind == u"penalty";
        const QString text =
            d.isTransfer()
                ? DecisionsWindow::tr("%1 transfer: %2 \u2192 %3")
                      .arg(DecisionsWindow::tr(places[d.component]),
                           pickName(d.component, d.before), pickName(d.component, d.after))
            : d.points == 1 ? (penalty ? DecisionsWindow::tr("Penalty of 1 point")
                                       : DecisionsWindow::tr("Bonus of 1 point"))
                            : (penalty ? DecisionsWindow::tr("Penalty of %1 points")
                                       : DecisionsWindow::tr("Bonus of %1 points"))
                                  .arg(d.points);
        return d.takenBack ? DecisionsWindow::tr("%1 (taken back)").arg(text) : text;
    }

    Decisions decisions_;
    Names names_;
    std::vector<std::size_t> rows_; // the record's places, the latest first
};

DecisionsWindow::DecisionsWindow(League& league, QWidget* parent)
    : FixedWindow(parent, "Decisions", tr("Decisions"), 10500, 5400), league_(league),
      model_(new DecisionsModel(this))
{
    // Built with layouts, it takes the room it is given.
    setResizable({480, 260});

    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("List"));
    view_->setAccessibleName(tr("Decisions"));
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view_->horizontalHeader()->setStretchLastSection(true);

    // The commands, in the table's context menu and the window's menu; their keys work in the
    // table.
    const auto action = [this](const char* name, const QString& caption, const QKeySequence& key) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view_->addAction(a);
        return a;
    };
    add_ = action("Add", tr("&Add Penalty or Bonus..."), QKeySequence(Qt::Key_Insert));
    takeBack_ = action("TakeBack", tr("&Take Back..."), QKeySequence::Delete);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* menus = new QMenuBar(this);
    menus->setObjectName(QStringLiteral("Menus"));
    QMenu* menu = menus->addMenu(tr("&Decision"));
    menu->setObjectName(QStringLiteral("Decision"));
    menu->addActions(view_->actions());

    said_ = new QLabel(this);
    said_->setObjectName(QStringLiteral("Said"));
    auto* adding = addButton(this, "AddButton", tr("&Add Penalty or Bonus..."), {});
    auto* takeBackButton = addButton(this, "TakeBackButton", tr("&Take Back..."), {});
    auto* close = addButton(this, "Close", tr("&Close"), {});
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(said_, 1);
    for (QPushButton* b : {adding, takeBackButton, close})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);

    connect(add_, &QAction::triggered, this, &DecisionsWindow::onAddClicked);
    connect(takeBack_, &QAction::triggered, this, &DecisionsWindow::onTakeBackClicked);
    connect(adding, &QPushButton::clicked, add_, &QAction::trigger);
    connect(takeBackButton, &QPushButton::clicked, takeBack_, &QAction::trigger);
    connect(takeBack_, &QAction::enabledChanged, takeBackButton, &QWidget::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(model_, &QAbstractItemModel::modelReset, this, &DecisionsWindow::updateActions);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DecisionsWindow::updateActions);
    setCancelButton(close);
    setTabOrder({view_, adding, takeBackButton, close});
    setLoaded(load());
    view_->setCurrentIndex(model_->index(0, 0));
    updateActions();
}

bool DecisionsWindow::load()
{
    Decisions decisions;
    QString error;
    if (!league_.read(LeagueFile::Teams, &teams_, &error)
        || !league_.read(LeagueFile::TestDrivers, &testDrivers_, &error)
        || !calendarRaces(league_, &calendar_, &error)
        || !readDecisions(league_, &decisions, &error)) {
        Messages::error(this, error);
        return false;
    }
    DecisionsModel::Names names{teamNames(teams_, displayText), {}, calendar_};
    for (const TestDriverRecord& t : testDrivers_)
        names.testDrivers << displayText(t.Name);
    model_->show(decisions, std::move(names));
    return true;
}

bool DecisionsWindow::readNow(Decisions* decisions, std::vector<EntryRecord>* entries,
                              QByteArray* entryBytes)
{
    QString error;
    if (!league_.writable()) {
        Messages::error(this, io::readOnlyText(league_.dir().path()));
        return false;
    }
    if (!readDecisions(league_, decisions, &error)
        || !league_.read(LeagueFile::Entries, entries, &error, entryBytes)) {
        Messages::error(this, error);
        return false;
    }
    if (*decisions == model_->decisions())
        return true;
    // Mended in a text editor meanwhile: what is chosen may be another decision by now.
    load();
    Messages::error(this, tr("The decisions record changed since the window showed it; it "
                             "shows it as it is now. Nothing was stored."));
    return false;
}

bool DecisionsWindow::store(const Decisions& decisions, const QByteArray& entryBytes, std::size_t k,
                            const QString& done)
{
    std::vector<League::Replacement> with{{LeagueFile::Decisions, decisions.text()}};
    if (!entryBytes.isNull())
        with.push_back({LeagueFile::Entries, entryBytes});
    if (!recalculate(league_, this, std::move(with)))
        return false;
    load();
    view_->setCurrentIndex(model_->index(model_->rowOf(k), 0));
    said_->setText(done);
    return true;
}

void DecisionsWindow::onAddClicked()
{
    Decisions decisions;
    std::vector<EntryRecord> entries;
    QByteArray bytes;
    if (!readNow(&decisions, &entries, &bytes))
        return;
    // Owners known by a name of their own, as transfers are.
    QHash<QString, int> named;
    for (const EntryRecord& e : entries)
        ++named[displayText(e.Owner)];
    QStringList owners;
    for (auto it = named.cbegin(); it != named.cend(); ++it)
        if (it.value() == 1 && !it.key().isEmpty()
            && std::none_of(it.key().begin(), it.key().end(),
                            [](QChar c) { return c.category() == QChar::Other_Control; }))
            owners << it.key();
    owners.sort(Qt::CaseInsensitive);
    PenaltyDialog dialog(owners, calendar_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Decision made = dialog.decision();
    made.raceName = calendar_.value(made.race);
    QString error;
    if (!decisions.add(entries, made, &error))
        return Messages::error(this, error);
    store(decisions, {}, decisions.list.size() - 1,
          (made.kind == u"penalty" ? tr("The penalty for %1 is stored and counted.")
                                   : tr("The bonus for %1 is stored and counted."))
              .arg(made.owner));
}

void DecisionsWindow::onTakeBackClicked()
{
    const std::optional<std::size_t> k = model_->at(view_->currentIndex());
    Decisions decisions;
    std::vector<EntryRecord> entries;
    QByteArray bytes;
    if (!k || !readNow(&decisions, &entries, &bytes))
        return;
    const Decision d = decisions.list[*k];
    const QString what = model_->index(view_->currentIndex().row(), 1).data().toString();
    if (!Messages::confirm(this,
                           tr("Take back %1's decision, \u201c%2\u201d? It stays in the record, "
                              "marked as taken back, and counts for nothing from now on%3; the "
                              "championship is calculated again.")
                               .arg(d.owner, what,
                                    d.isTransfer() ? tr(": the entry picks what it picked "
                                                        "before it again")
                                                   : QString()),
                           tr("&Take It Back"), tr("&Keep It")))
        return;
    QString error;
    if (!decisions.takeBack(*k, &entries, &error))
        return Messages::error(this, error);
    QByteArray entryBytes;
    if (d.isTransfer()) {
        // The entry's total follows its picks, as the entry editor stores it.
        for (EntryRecord& e : entries)
            if (ownerKey(e) == d.owner)
                e.Price = toSingle(readNumber(entryTotal(e.picks(), teams_, testDrivers_)));
        entryBytes = encodeRecords(entries) + restOf<EntryRecord>(bytes);
    }
    store(decisions, entryBytes, *k, tr("Taken back and counted again."));
}

void DecisionsWindow::updateActions()
{
    const std::optional<std::size_t> k = model_->at(view_->currentIndex());
    takeBack_->setEnabled(k && model_->decisions().whyNotTakeBack(*k).isEmpty());
}

} // namespace velmora
