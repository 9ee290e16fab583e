#include "editor/ctrl_btn_panel.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TCtrlBtnPanel::TCtrlBtnPanel(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("buttons"));
    SamplesCount = new QLabel(QStringLiteral("0"), this);
    SamplesCount->setObjectName(QStringLiteral("SamplesCount"));
    SamplesCount->setAlignment(Qt::AlignCenter);
    SamplesCount->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SamplesLabel = new QLabel(QStringLiteral("Samples"), this);
    SamplesLabel->setObjectName(QStringLiteral("SamplesLabel"));
    SamplesLabel->setAlignment(Qt::AlignCenter);
    layoutList_ << SamplesCount << SamplesLabel;

    RefreshButton = MakeButton("RefreshButton", QStringLiteral("Refresh"), QStringLiteral("Get.bmp"));
    EditButton = MakeButton("EditButton", QStringLiteral("Edit"), QStringLiteral("Set.bmp"));
    SetCheckedButton = MakeButton("SetCheckedButton", QStringLiteral("Set Checked"), QStringLiteral("SetCheck.bmp"));
    AddButton = MakeButton("AddButton", QStringLiteral("Add"), QStringLiteral("Add.bmp"));
    DeleteButton = MakeButton("DeleteButton", QStringLiteral("Delete"), QStringLiteral("Delete.bmp"));
    CheckAllButton = MakeButton("CheckAllButton", QStringLiteral("Check All"), QStringLiteral("SelectAll.bmp"));
    ClearChecksButton =
        MakeButton("ClearChecksButton", QStringLiteral("Clear Checks"), QStringLiteral("SelectNone.bmp"));
    CloseButton = MakeButton("CloseButton", QStringLiteral("Close"), QStringLiteral("Close.bmp"));

    AddButton->hide();
    DeleteButton->hide();
    LayoutButtons();
    setFixedWidth(2 * kLeftMargin + kControlWidth);
}

QPushButton *TCtrlBtnPanel::MakeButton(const char *name, const QString &caption, const QString &imageFile) {
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    // Enter in an edit box must never press a button: Refresh would throw away what was typed.
    button->setAutoDefault(false);
    // An image beside the program replaces the caption; a file that does not load is ignored.
    const QString path = QDir::current().filePath(imageFile);
    if (QFileInfo::exists(path)) {
        const QPixmap image(path);
        if (!image.isNull()) {
            button->setText(QString());
            button->setIcon(QIcon(image));
            button->setIconSize(image.size());
        }
    }
    layoutList_ << button;
    return button;
}

QPushButton *TCtrlBtnPanel::AddTableButton(const QString &objectName, const QString &caption) {
    auto *button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    Insert(button);
    return button;
}

QCheckBox *TCtrlBtnPanel::AddCheck(const QString &objectName, const QString &caption) {
    auto *check = new QCheckBox(caption, this);
    check->setObjectName(objectName);
    Insert(check);
    return check;
}

void TCtrlBtnPanel::Insert(QWidget *control) {
    // After Delete and the controls added before.
    int at = static_cast<int>(layoutList_.indexOf(DeleteButton)) + 1;
    while (at < layoutList_.size() && layoutList_[at]->property("added").toBool()) ++at;
    control->setProperty("added", true);
    layoutList_.insert(at, control);
    LayoutButtons();
}

void TCtrlBtnPanel::LayoutButtons() {
    int top = kTopMargin;
    for (QWidget *control : layoutList_) {
        const int height = control->sizeHint().height();
        control->setGeometry(kLeftMargin, top, kControlWidth, height);
        if (!control->isHidden()) top += height + kGap;
    }
    setMinimumHeight(top - kGap + kTopMargin);
}
