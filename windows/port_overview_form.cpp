#include "windows/port_overview_form.h"

#include "catalogue/recipe_context.h"
#include "forms/ui_parts.h"
#include "windows/port_poller.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPortRole = Qt::UserRole;
constexpr int kFirstIntervalSeconds = 3;  // the front panel's poll

// Numbers sort as numbers; an empty cell (no rate yet) sorts below every number.
class PortItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (!IsNumericColumn(column)) return text(column).localeAwareCompare(other.text(column)) < 0;
        bool mine = false;
        bool theirs = false;
        const double a = text(column).toDouble(&mine);
        const double b = other.text(column).toDouble(&theirs);
        if (mine != theirs) return !mine;
        if (mine && a != b) return a < b;
        return data(0, kPortRole).toInt() < other.data(0, kPortRole).toInt();
    }
};

}  // namespace

TPortOverview::TPortOverview(const RecipeContext &, QWidget *parent) : TDeviceForm(parent) {
    setObjectName(QStringLiteral("TPortOverview"));

    auto *filterLabel = new QLabel(QStringLiteral("Filter"));
    ED_Filter = MakeNamed<QLineEdit>(this, "ED_Filter");
    ED_Filter->setPlaceholderText(QStringLiteral("any text of a row, e.g. down"));
    ED_Filter->setClearButtonEnabled(true);
    filterLabel->setBuddy(ED_Filter);
    CB_Interval = MakeNamed<QComboBox>(this, "CB_Interval");
    for (int seconds : {kFirstIntervalSeconds, 5, 10, 30}) CB_Interval->addItem(QString::number(seconds), seconds);
    BT_Refresh = MakeNamedButton(this, "BT_Refresh", "Refresh");
    BT_Exit = MakeNamedButton(this, "BT_Exit", "Exit");
    auto *top = new QHBoxLayout;
    top->addWidget(filterLabel);
    top->addWidget(ED_Filter, 1);
    top->addWidget(new QLabel(QStringLiteral("Poll Interval (s)")));
    top->addWidget(CB_Interval);
    top->addWidget(BT_Refresh);
    top->addWidget(BT_Exit);

    LV_PortOverview = MakeNamed<QTreeWidget>(this, "LV_PortOverview");
    LV_PortOverview->setRootIsDecorated(false);
    LV_PortOverview->setUniformRowHeights(true);
    LV_PortOverview->setAlternatingRowColors(true);
    QStringList captions;
    for (const std::string &c : OverviewColumns()) captions << QString::fromStdString(c);
    LV_PortOverview->setHeaderLabels(captions);
    LV_PortOverview->setSortingEnabled(true);
    LV_PortOverview->sortByColumn(kPortColumn, Qt::AscendingOrder);
    LV_PortOverview->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto *statusBar = MakeNamed<QStatusBar>(this, "StatusBar1");
    statusBar->setSizeGripEnabled(false);
    statusPanel_ = MakeNamed<QLabel>(this, "statusPanel0");
    statusBar->addWidget(statusPanel_, 1);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(LV_PortOverview, 1);
    outer->addWidget(statusBar);

    poller_ = std::make_unique<PortPoller>(this);
    poller_->SetStatusTarget(statusPanel_);
    poll_ = AddPollTimer(kFirstIntervalSeconds * 1000);
    connect(poll_, &QTimer::timeout, this, [this] { RefreshCurrent(); });
    connect(BT_Refresh, &QPushButton::clicked, this, [this] { RefreshCurrent(); });
    connect(BT_Exit, &QPushButton::clicked, this, [this] { close(); });
    connect(ED_Filter, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
    connect(CB_Interval, &QComboBox::currentIndexChanged, this, [this] { IntervalChosen(); });
    GrowClientArea(this, QSize(kMaxClientWidth, kMaxClientHeight));
    CentreOnMainWindow(this);
}

TPortOverview::~TPortOverview() = default;

void TPortOverview::RefreshCurrent() {
    if (!poller_) return;
    poller_->Poll([this](bool ok) {
        if (ok) ShowPoll();
    });
    if (!poll_->isActive()) poll_->start();
}

void TPortOverview::BindingsReleased() { poller_.reset(); }

void TPortOverview::IntervalChosen() { poll_->setInterval(CB_Interval->currentData().toInt() * 1000); }

// Rows are updated where they stand, so the selection and the order the user chose stay.
void TPortOverview::ShowPoll() {
    const std::vector<std::vector<std::string>> rows = OverviewRows(poller_->previous(), *poller_->latest());
    LV_PortOverview->setSortingEnabled(false);
    QHash<int, QTreeWidgetItem *> items;
    for (int k = 0; k < LV_PortOverview->topLevelItemCount(); ++k) {
        QTreeWidgetItem *item = LV_PortOverview->topLevelItem(k);
        items.insert(item->data(0, kPortRole).toInt(), item);
    }
    QSet<int> listed;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int port = poller_->latest()->ports[r].port;
        listed.insert(port);
        QTreeWidgetItem *item = items.value(port);
        if (item == nullptr) {
            item = new PortItem(LV_PortOverview);
            item->setData(0, kPortRole, port);
            for (int c = 0; c < static_cast<int>(rows[r].size()); ++c)
                if (IsNumericColumn(c)) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) item->setText(c, QString::fromStdString(rows[r][c]));
    }
    for (auto it = items.cbegin(); it != items.cend(); ++it)
        if (!listed.contains(it.key())) delete it.value();
    LV_PortOverview->setSortingEnabled(true);
    ApplyFilter();
}

void TPortOverview::ApplyFilter() {
    const QString filter = ED_Filter->text().trimmed();
    for (int k = 0; k < LV_PortOverview->topLevelItemCount(); ++k) {
        QTreeWidgetItem *item = LV_PortOverview->topLevelItem(k);
        bool match = filter.isEmpty();
        for (int c = 0; !match && c < item->columnCount(); ++c)
            match = item->text(c).contains(filter, Qt::CaseInsensitive);
        item->setHidden(!match);
    }
}
