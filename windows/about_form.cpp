#include "windows/about_form.h"

#include "catalogue/recipe_context.h"
#include "forms/ui_parts.h"
#include "engine/module_version.h"
#include "forms/front_panel_picture.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 354;
constexpr int kClientHeight = 105;
constexpr int kIconSize = 32;

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, int pixelHeight, bool bold) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(const RecipeContext &, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    // A fixed dialog with only the system menu in its title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ModuleIconPicture().scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Image1->setGeometry(12, 12, kIconSize, kIconSize);

    const int textLeft = 12 + kIconSize + 14;
    const int textWidth = kClientWidth - textLeft - 12;
    Label1 = MakeLabel(this, "Label1", QString(), 12, true);
    Label1->setGeometry(textLeft, 10, textWidth, 16);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Version ") + QLatin1String(kModuleVersion), 11, false);
    Label2->setGeometry(textLeft, 28, textWidth, 16);
    Label3 = MakeLabel(this, "Label3", QStringLiteral("QSW-7400 52-port switch management."), 11,
                       false);
    Label3->setGeometry(textLeft, 46, textWidth, 16);

    BT_Ok = new QPushButton(QStringLiteral("Ok"), this);
    BT_Ok->setObjectName(QStringLiteral("BT_Ok"));
    BT_Ok->setGeometry((kClientWidth - 75) / 2, kClientHeight - 33, 75, 25);
    BT_Ok->setDefault(true);
    connect(BT_Ok, &QPushButton::clicked, this, [this] { close(); });
    CentreOnMainWindow(this);
}
