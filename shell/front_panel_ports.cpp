#include "shell/front_panel_ports.h"

#include "forms/front_panel_picture.h"
#include "windows/port_poller.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>

namespace {

constexpr int kHoverPollMs = 3000;  // as the LEDs

}  // namespace

FrontPanelPorts::FrontPanelPorts(QLabel *picture, QLabel *statusPanel, Actions actions)
    : QObject(picture), picture_(picture), poller_(std::make_unique<PortPoller>(picture)), actions_(std::move(actions)) {
    picture_->setMouseTracking(true);
    picture_->setFocusPolicy(Qt::StrongFocus);
    picture_->installEventFilter(this);
    poller_->SetStatusTarget(statusPanel);
    selection_ = new QFrame(picture_);
    selection_->setObjectName(QStringLiteral("PortSelection"));
    selection_->setAttribute(Qt::WA_TransparentForMouseEvents);
    selection_->setStyleSheet(QStringLiteral("QFrame { border: 2px solid #ffd200; background: transparent; }"));
    selection_->hide();
    hoverPoll_ = new QTimer(this);
    hoverPoll_->setInterval(kHoverPollMs);
    connect(hoverPoll_, &QTimer::timeout, this, [this] {
        if (hovered_ == 0 || !QToolTip::isVisible()) return hoverPoll_->stop();
        PollForHover();
    });
}

FrontPanelPorts::~FrontPanelPorts() = default;

void FrontPanelPorts::Select(int port) {
    selected_ = port >= 1 && port <= 52 ? port : 0;
    if (selected_ == 0) return selection_->hide();
    selection_->setGeometry(PortSocketArea(selected_).adjusted(-2, -2, 2, 2));
    selection_->show();
    selection_->raise();
}

QString FrontPanelPorts::HoverText(int port) const {
    return QString::fromStdString(PortHoverText(port, poller_->previous(), poller_->latest()));
}

std::unique_ptr<QMenu> FrontPanelPorts::PortMenu(int port) {
    auto menu = std::make_unique<QMenu>(picture_);
    menu->setObjectName(QStringLiteral("PortMenu"));
    menu->setTitle(QStringLiteral("Port %1").arg(port));
    auto item = [&](const char *name, const QString &text, std::function<void()> act) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, std::move(act));
    };
    item("PortCounters", QStringLiteral("Counters"), [this, port] { actions_.openCounters(port); });
    item("PortSettings", QStringLiteral("Settings"), [this, port] { actions_.openSettings(port); });
    item("PortCopyDescription", QStringLiteral("Copy description"), [this, port] { CopyDescription(port); });
    return menu;
}

void FrontPanelPorts::CopyDescription(int port) {
    auto copy = [this, port] {
        const PortSample *sample = poller_->latest() ? poller_->latest()->Find(port) : nullptr;
        if (sample != nullptr) QGuiApplication::clipboard()->setText(QString::fromStdString(sample->description));
    };
    // Copied from the device's answer when nothing has been read yet.
    if (poller_->latest() != nullptr && poller_->latest()->Find(port) != nullptr) return copy();
    poller_->Poll([copy](bool ok) {
        if (ok) copy();
    });
}

void FrontPanelPorts::Hover(int port, const QPoint &globalPosition) {
    hovered_ = port;
    hoverPosition_ = globalPosition;
    if (port == 0) {
        hoverPoll_->stop();
        return QToolTip::hideText();
    }
    ShowHover();
    const PortPoll *latest = poller_->latest();
    if (latest == nullptr || MonotonicMs() - latest->atMs >= kHoverPollMs) PollForHover();
    hoverPoll_->start();
}

void FrontPanelPorts::PollForHover() {
    poller_->Poll([this](bool ok) {
        if (ok && actions_.portsRead) actions_.portsRead();
        if (hovered_ != 0) ShowHover();
    });
}

void FrontPanelPorts::ShowHover() {
    const QRect socket = PortSocketArea(hovered_);
    QToolTip::showText(hoverPosition_, HoverText(hovered_), picture_, socket.united(PortLedArea(hovered_)));
}

bool FrontPanelPorts::eventFilter(QObject *watched, QEvent *event) {
    if (watched != picture_) return false;
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto *help = static_cast<QHelpEvent *>(event);
        Hover(PortAt(help->pos()), help->globalPos());
        return true;
    }
    case QEvent::MouseMove: {
        const int port = PortAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        picture_->setCursor(port != 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
        if (port != hovered_ && hovered_ != 0) Hover(0, {});
        return false;
    }
    case QEvent::Leave:
        Hover(0, {});
        return false;
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton)
            Select(PortAt(mouse->position().toPoint()));
        return false;
    }
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const int port = PortAt(mouse->position().toPoint());
        if (mouse->button() != Qt::LeftButton || port == 0) return false;
        Select(port);
        actions_.openSettings(port);
        return true;
    }
    case QEvent::ContextMenu: {
        auto *context = static_cast<QContextMenuEvent *>(event);
        const int port = context->reason() == QContextMenuEvent::Mouse ? PortAt(context->pos()) : selected_;
        if (port == 0) return false;
        Select(port);
        PortMenu(port)->exec(context->globalPos());
        return true;
    }
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        const int dx = key->key() == Qt::Key_Right ? 1 : key->key() == Qt::Key_Left ? -1 : 0;
        const int dy = key->key() == Qt::Key_Down ? 1 : key->key() == Qt::Key_Up ? -1 : 0;
        if (dx != 0 || dy != 0) {
            Select(selected_ == 0 ? 1 : NeighbourPort(selected_, dx, dy));
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && selected_ != 0) {
            actions_.openSettings(selected_);
            return true;
        }
        return false;
    }
    default: return false;
    }
}
