#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>

class PortPoller;
class QFrame;
class QLabel;
class QMenu;
class QTimer;

// The front panel as a map of the ports: a port's socket or LED under the mouse tells about the
// port (read from the device when the mouse comes to it, and again while it stays), a click
// selects it, a double click or Enter opens its settings, the arrow keys move the selection and
// the context menu offers its counters, its settings and a copy of its description.
class FrontPanelPorts : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<void(int port)> openSettings;
        std::function<void(int port)> openCounters;
        // The picture's port captions follow what the device reports.
        std::function<void()> portsRead;
    };

    // picture: the front-panel image at 1, 1 in its panel; the LED holders let the mouse through.
    FrontPanelPorts(QLabel *picture, QLabel *statusPanel, Actions actions);
    ~FrontPanelPorts() override;

    int selectedPort() const { return selected_; }
    void Select(int port);
    PortPoller &poller() { return *poller_; }
    // The port's hover text from the polls at hand.
    QString HoverText(int port) const;
    // The context menu of a port (its items act on that port).
    std::unique_ptr<QMenu> PortMenu(int port);
    void CopyDescription(int port);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Hover(int port, const QPoint &globalPosition);
    void PollForHover();
    void ShowHover();

    QLabel *picture_;
    QFrame *selection_;
    std::unique_ptr<PortPoller> poller_;
    Actions actions_;
    QTimer *hoverPoll_;
    int selected_ = 0;
    int hovered_ = 0;
    QPoint hoverPosition_;
};
