#include "windows/counter_window.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2edits.h"
#include "engine/coded_error.h"
#include "forms/ui_parts.h"
#include "windows/binding_read.h"
#include "windows/logic/counter_input.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QElapsedTimer>
#include <QTime>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

QPushButton *Button(const QString &name, const QString &text) {
    auto *button = new QPushButton(text);
    button->setObjectName(name);
    return button;
}

QLabel *Label(const QString &text) { return new QLabel(text); }

void Blue(QWidget *w) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Text, Qt::blue);
    palette.setColor(QPalette::WindowText, Qt::blue);
    w->setPalette(palette);
}

}  // namespace

TCounterWindow::TCounterWindow(QWidget *parent, const Layout &layout, CounterMonitor::Style style,
                               std::vector<std::string> names, std::size_t firstCell)
    : TDeviceForm(parent), monitor_(style, std::move(names)), firstCell_(firstCell) {
    setObjectName(layout.className);
    resize(layout.size);

    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("rightPanel"));
    panel->setFixedWidth(layout.panelWidth);
    auto *controls = new QVBoxLayout(panel);
    controls->setContentsMargins(6, 6, 6, 6);
    controls->addWidget(Label(layout.timeLabel));
    ST_Time = new QLabel;
    ST_Time->setObjectName(QStringLiteral("ST_Time"));
    ST_Time->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Blue(ST_Time);
    controls->addWidget(ST_Time);
    upperControls_ = new QVBoxLayout;
    controls->addLayout(upperControls_);
    controls->addWidget(Label(QStringLiteral("Poll  Interval")));
    CB_Interval = new QComboBox;
    CB_Interval->setObjectName(QStringLiteral("CB_Interval"));
    CB_Interval->setEditable(true);
    CB_Interval->setInsertPolicy(QComboBox::NoInsert);
    CB_Interval->addItems({QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("10")});
    Blue(CB_Interval);
    controls->addWidget(CB_Interval);
    lowerControls_ = new QVBoxLayout;
    controls->addLayout(lowerControls_);
    BT_Reset = Button(QStringLiteral("BT_Reset"), QStringLiteral("Reset"));
    BT_Start = Button(QStringLiteral("BT_Start"), QStringLiteral("Start"));
    BT_Stop = Button(QStringLiteral("BT_Stop"), QStringLiteral("Pause"));
    exitButton_ = Button(layout.exitButton, QStringLiteral("Exit"));
    for (QPushButton *b : {BT_Reset, BT_Start, BT_Stop, exitButton_}) {
        b->setAutoDefault(false);
        controls->addWidget(b);
    }
    controls->addStretch();

    counterList_ = new QTreeWidget;
    counterList_->setObjectName(layout.visibleList);
    counterList_->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value"), QStringLiteral("Delta"),
                                   QStringLiteral("Rate (/s)"), QStringLiteral("Peak"), QStringLiteral("Peak Occured at")});
    counterList_->setRootIsDecorated(false);
    counterList_->setUniformRowHeights(true);
    counterList_->setAllColumnsShowFocus(true);
    counterList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    counterList_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    counterList_->header()->setStretchLastSection(false);
    counterList_->setStyleSheet(GridListStyle());
    hiddenList_ = new QTreeWidget;
    hiddenList_->setObjectName(layout.hiddenList);
    hiddenList_->hide();

    auto *left = new QWidget;
    leftArea_ = new QVBoxLayout(left);
    leftArea_->setContentsMargins(0, 0, 0, 0);
    leftArea_->addWidget(counterList_);
    leftArea_->addWidget(hiddenList_);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(left, 1);
    body->addWidget(panel);

    StatusBar1 = new QStatusBar;
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    statusPanel_ = new QLabel;
    statusPanel_->setObjectName(QStringLiteral("statusPanel0"));
    statusPanel_->setMinimumWidth(50);
    StatusBar1->addWidget(statusPanel_, 1);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(body, 1);
    outer->addWidget(StatusBar1);

    Timer1 = AddPollTimer(1000);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(BT_Start, &QPushButton::clicked, this, [this] { polling_ = true; });
    connect(BT_Stop, &QPushButton::clicked, this, [this] { polling_ = false; });
    connect(BT_Reset, &QPushButton::clicked, this, [this] { BT_ResetClick(); });
    connect(exitButton_, &QPushButton::clicked, this, &QDialog::close);
    // A chosen item, or typed text once typing is over: every keystroke is not a new interval.
    connect(CB_Interval, &QComboBox::activated, this, [this] { CB_IntervalChange(); });
    connect(CB_Interval->lineEdit(), &QLineEdit::editingFinished, this, [this] { CB_IntervalChange(); });
}

TCounterWindow::~TCounterWindow() = default;

VdSNMPRequest2Edits *TCounterWindow::NewBinding() {
    VdSNMPRequest2Edits *binding = AdoptBinding(std::make_unique<VdSNMPRequest2Edits>(this));
    binding->SetStatusTarget(statusPanel_);
    return binding;
}

void TCounterWindow::SetCounterBinding(VdSNMPRequest2Edits *binding) {
    counterBinding_ = binding;
    binding->BindListView(hiddenList_, true);
    counterRead_ = std::make_unique<BindingRead>(binding);
}

void TCounterWindow::ReadCounters(std::function<void(bool ok)> then) { counterRead_->Start(std::move(then)); }

std::int64_t TCounterWindow::SampleTime() {
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

std::string TCounterWindow::TimeOfDay() { return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString(); }

void TCounterWindow::SelectFirstInterval() {
    CB_Interval->setCurrentIndex(0);
    CB_IntervalChange();
}

int TCounterWindow::intervalMs() const { return Timer1->interval(); }

std::optional<int> TCounterWindow::AcceptedNumber(QComboBox *box, std::optional<int> (*parse)(const std::string &),
                                                  std::string (*refusal)(const std::string &), int inForce) {
    const std::string text = box->currentText().toStdString();
    const std::optional<int> number = parse(text);
    if (!number) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromStdString(refusal(text)), MessageBox::Icon::Error);
        box->setEditText(QString::number(inForce));
    }
    return number;
}

void TCounterWindow::CB_IntervalChange() {
    const std::optional<int> ms =
        AcceptedNumber(CB_Interval, &IntervalMilliseconds, &IntervalRefusal, Timer1->interval() / 1000);
    if (ms) Timer1->setInterval(*ms);
}

void TCounterWindow::RefreshCurrent() { Opening(); }

void TCounterWindow::BindingsReleased() {
    counterRead_.reset();
    counterBinding_ = nullptr;
    polling_ = false;
}

void TCounterWindow::Timer1Timer() {
    ST_Time->setText(QString::fromStdString(TimeOfDay()));
    if (!polling_ || counterBinding_ == nullptr || counterBinding_->busy) return;
    BeforePoll();
    ReadCounters([this, measurement = measurement_](bool ok) {
        if (ok && measurement == measurement_) EvaluateShown();
    });
}

bool TCounterWindow::EvaluateShown() {
    try {
        Evaluate();
        return true;
    } catch (const CodedError &e) {
        ShowError(e.message());
        return false;
    }
}

void TCounterWindow::Evaluate() {
    const std::vector<std::string> cells = ReadCells();
    if (cells.empty()) return;
    monitor_.Evaluate(cells, firstCell_, intervalMs(), TimeOfDay(), SampleTime());
    ShowRows();
}

std::vector<std::string> TCounterWindow::ReadCells() const {
    std::vector<std::string> cells;
    const QTreeWidgetItem *row = hiddenList_->topLevelItem(0);
    if (row == nullptr) return cells;
    for (int c = 0; c < row->columnCount(); ++c) cells.push_back(row->text(c).toStdString());
    return cells;
}

void TCounterWindow::ShowRows() {
    const std::vector<CounterRow> &rows = monitor_.rows();
    while (counterList_->topLevelItemCount() > static_cast<int>(rows.size()))
        delete counterList_->takeTopLevelItem(counterList_->topLevelItemCount() - 1);
    while (counterList_->topLevelItemCount() < static_cast<int>(rows.size())) new QTreeWidgetItem(counterList_);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QTreeWidgetItem *item = counterList_->topLevelItem(static_cast<int>(i));
        const CounterRow &row = rows[i];
        const std::string *cells[] = {&row.name, &row.value, &row.delta, &row.rate, &row.peak, &row.peakTime};
        for (int c = 0; c < 6; ++c) item->setText(c, QString::fromStdString(*cells[c]));
    }
}

void TCounterWindow::ShowError(const std::string &message) {
    if (counterBinding_ != nullptr)
        counterBinding_->ShowStatus(message);
    else
        statusPanel_->setText(QString::fromStdString(message));
}
