#include "windows/bridge_port_window.h"

#include "windows/logic/counter_input.h"
#include "windows/logic/counter_tables.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QTabWidget>
#include <QTreeWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kAxisLabels = 4;
constexpr int kLinePen = 2;
constexpr int kRibbonPen = 7;  // a line drawn as a ribbon, for the "3D Line" look

const QColor kSeriesColours[] = {Qt::red, Qt::green, Qt::yellow};

}  // namespace

TTpBridgePortInfo_Table::TTpBridgePortInfo_Table(const RecipeContext &, QWidget *parent)
    : TChosenRowCounterWindow(
          parent,
          {QStringLiteral("TTpBridgePortInfo_Table"), QSize(564, 495), QStringLiteral("LV_TpBridge_Port_Info"), QStringLiteral("LV_Chart"),
           QStringLiteral("Button1"), QStringLiteral("System Time:"), 98},
          {QStringLiteral("LV_TpBridge_Port_Index"), 112, QStringLiteral("Port Number"), QStringLiteral("Max  Info "),
           QStringLiteral("BT_Refresh"), kBridgePortTable, kBridgePortTable, 5},
          BridgePortCounterNames()),
      history_(BridgePortCounterNames().size(), historyLength_) {
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto *table = new QWidget;
    auto *tableLayout = new QVBoxLayout(table);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(counterList());
    tableLayout->addWidget(hiddenList());
    PageControl1->addTab(table, QStringLiteral("Port Counter Table"));

    auto *chart = new QChart;
    chart->setBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(false);
    auto *x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    auto *y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%u"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    const std::vector<std::string> &names = BridgePortCounterNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto *line = new QLineSeries;
        line->setName(QString::fromStdString(names[i]));
        line->setPen(QPen(kSeriesColours[i], kLinePen));
        chart->addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
        series_.push_back(line);
    }
    CH_Utilization = new QChartView(chart);
    CH_Utilization->setObjectName(QStringLiteral("CH_Utilization"));
    CH_Utilization->setRenderHint(QPainter::Antialiasing);
    PageControl1->addTab(CH_Utilization, QStringLiteral("Port Traffic"));
    leftArea()->addWidget(PageControl1, 1);

    lowerControls()->addWidget(new QLabel(QStringLiteral("Count")));
    CB_HistoryCount = new QComboBox;
    CB_HistoryCount->setObjectName(QStringLiteral("CB_HistoryCount"));
    CB_HistoryCount->setEditable(true);
    CB_HistoryCount->setInsertPolicy(QComboBox::NoInsert);
    CB_HistoryCount->addItems({QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("60"),
                               QStringLiteral("120")});
    lowerControls()->addWidget(CB_HistoryCount);
    CK_U3D = new QCheckBox(QStringLiteral("3D Line"));
    CK_U3D->setObjectName(QStringLiteral("CK_U3D"));
    lowerControls()->addWidget(CK_U3D);

    connect(CB_HistoryCount, &QComboBox::activated, this, [this] { CB_HistoryCountChange(); });
    connect(CB_HistoryCount->lineEdit(), &QLineEdit::editingFinished, this, [this] { CB_HistoryCountChange(); });
    connect(CK_U3D, &QCheckBox::clicked, this, [this] { CK_U3DClick(); });
}

void TTpBridgePortInfo_Table::RowsRefreshed() {
    SelectRow(0);
    ResetToShownRow();
}

void TTpBridgePortInfo_Table::ResetToShownRow() {
    if (counterBinding() == nullptr) return;
    TChosenRowCounterWindow::ResetToShownRow();
    // The chart keeps its points until the next poll redraws it from the new history.
    history_.Rebuild(historyLength_);
}

void TTpBridgePortInfo_Table::Evaluate() {
    const std::vector<std::string> cells = ReadCells();
    if (cells.empty()) return;
    const bool recording = monitor_.pollCount() != 0;
    if (monitor_.rows().empty()) history_.Rebuild(historyLength_);
    monitor_.Evaluate(cells, firstCell_, intervalMs(), TimeOfDay(), SampleTime());
    if (recording) {
        std::vector<std::uint32_t> deltas;
        for (const CounterState &c : monitor_.counters()) deltas.push_back(c.delta);
        history_.Record(deltas, TimeOfDay());
    }
    ShowRows();
    Redraw();
}

void TTpBridgePortInfo_Table::Redraw() {
    std::uint32_t highest = 1;
    for (std::size_t i = 0; i < series_.size(); ++i) {
        QList<QPointF> points;
        int k = 0;
        for (const HistoryData &sample : history_.line(i)) {
            points.append(QPointF(k++, sample.value));
            highest = std::max(highest, sample.value);
        }
        series_[i]->replace(points);
    }
    QChart *chart = CH_Utilization->chart();
    auto *x = qobject_cast<QCategoryAxis *>(chart->axes(Qt::Horizontal).value(0));
    auto *y = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).value(0));
    y->setRange(0, highest + highest / 10 + 1);
    y->applyNiceNumbers();
    // The points' time labels, a few of them so that they stay readable, the newest always; the axis
    // takes its categories in rising order.
    for (const QString &label : x->categoriesLabels()) x->remove(label);
    const std::deque<HistoryData> &line = history_.line(0);
    const int count = static_cast<int>(line.size());
    const int step = std::max(1, (count + kAxisLabels - 1) / kAxisLabels);
    std::vector<int> labelled;
    for (int k = count - 1; k >= 0; k -= step)
        if (!line[static_cast<std::size_t>(k)].timeText.empty()) labelled.insert(labelled.begin(), k);
    x->setStartValue(0);
    for (int k : labelled) {
        const QString label = QString::fromStdString(line[static_cast<std::size_t>(k)].timeText);
        if (!x->categoriesLabels().contains(label)) x->append(label, k);
    }
    x->setRange(0, std::max(1, count - 1));
}

void TTpBridgePortInfo_Table::CB_HistoryCountChange() {
    const std::optional<int> length =
        AcceptedNumber(CB_HistoryCount, &HistoryLength, &HistoryLengthRefusal, historyLength_);
    if (!length) return;
    historyLength_ = *length;
    ResetToShownRow();
}

void TTpBridgePortInfo_Table::CK_U3DClick() {
    view3D_ = CK_U3D->isChecked();
    for (QLineSeries *line : series_) {
        QPen pen = line->pen();
        pen.setWidth(view3D_ ? kRibbonPen : kLinePen);
        pen.setCapStyle(view3D_ ? Qt::FlatCap : Qt::SquareCap);
        line->setPen(pen);
    }
}
