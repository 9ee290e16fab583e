#include "binding/ui/chosen_widths.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeView>

namespace {

constexpr char kChosen[] = "widthsChosen";
constexpr char kWatcher[] = "chosenWidthsWatcher";

// A section resized while the mouse holds the header is the user's choice; the list's own fitting
// happens with no button down.
class Watcher : public QObject {
public:
    explicit Watcher(QTreeView *view) : QObject(view) {
        setObjectName(QLatin1String(kWatcher));
        view->header()->viewport()->installEventFilter(this);
        connect(view->header(), &QHeaderView::sectionResized, this, [this, view] {
            if (held_) ChooseWidths(view);
        });
    }

    bool eventFilter(QObject *, QEvent *event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: held_ = true; break;
        case QEvent::MouseButtonRelease: held_ = false; break;
        default: break;
        }
        return false;
    }

private:
    bool held_ = false;
};

}  // namespace

void WatchChosenWidths(QTreeView *view) {
    if (view->findChild<QObject *>(QLatin1String(kWatcher), Qt::FindDirectChildrenOnly) == nullptr) new Watcher(view);
}

void ChooseWidths(QTreeView *view) { view->setProperty(kChosen, true); }

bool WidthsChosen(const QTreeView *view) { return view->property(kChosen).toBool(); }
