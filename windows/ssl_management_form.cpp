#include "windows/ssl_management_form.h"

#include "binding/ui/message_box.h"
#include "catalogue/recipe_context.h"
#include "binding/ui/option_controls.h"
#include "binding/ui/request2edits.h"
#include "forms/exchange_scope.h"
#include "forms/ui_parts.h"
#include "engine/coded_error.h"
#include "engine/session.h"
#include "windows/logic/ssl_cipher_suites.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

using namespace ssl_management;

namespace {

constexpr int kDesignWidth = 460;
constexpr int kDesignHeight = 300;

QComboBox *MakeCombo(QWidget *parent, const QString &name) {
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

TSSLManagementForm::TSSLManagementForm(QWidget *parent)
    : TDeviceForm(parent), binding_(AdoptBinding(std::make_unique<VdSNMPRequest2Edits>(this))) {
    setObjectName(QStringLiteral("SSLManagementForm"));
    setWindowTitle(QStringLiteral("SSL Control Table : ") + QString::fromStdString(SessionDevice.host));
    resize(kDesignWidth, kDesignHeight);

    auto *settings = new QWidget(this);
    auto *grid = new QGridLayout(settings);
    cbxSSLVersion = MakeCombo(settings, QStringLiteral("cbxSSLVersion"));
    edtCacheTimeOut = new QLineEdit(settings);
    edtCacheTimeOut->setObjectName(QStringLiteral("edtCacheTimeOut"));
    edtciphersuites = new QLineEdit(settings);
    edtciphersuites->setObjectName(QStringLiteral("edtciphersuites"));
    edtciphersuites->hide();
    grid->addWidget(new QLabel(QStringLiteral("SSL Status"), settings), 0, 0);
    grid->addWidget(cbxSSLVersion, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Cache Time Out"), settings), 1, 0);
    grid->addWidget(edtCacheTimeOut, 1, 1);
    cbxciphersuites1 = MakeCombo(settings, QStringLiteral("cbxciphersuites1"));
    cbxciphersuites2 = MakeCombo(settings, QStringLiteral("cbxciphersuites2"));
    cbxciphersuites3 = MakeCombo(settings, QStringLiteral("cbxciphersuites3"));
    cbxciphersuites4 = MakeCombo(settings, QStringLiteral("cbxciphersuites4"));
    for (int i = 0; i < kSuiteCount; ++i) {
        FillComboBox(kSuiteOptions, Suite(i));
        grid->addWidget(new QLabel(QString::fromLatin1(kSuiteLabels[i]), settings), 2 + i, 0);
        grid->addWidget(Suite(i), 2 + i, 1);
    }
    grid->setColumnStretch(1, 1);

    btnGet = MakeNamedButton(this, "btnGet", "Refresh");
    btnSet = MakeNamedButton(this, "btnSet", "Set");
    LayOutSettingsWindow(this, settings, {btnGet, btnSet}, &StatusBar1, &statusPanel);

    connect(btnGet, &QPushButton::clicked, this, [this] { btnGetClick(); });
    connect(btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });

    try {
        binding_->request.list.Assign(VdSNMPVarList(kDescriptors, VdSNMPVarList::ScalarGroup, 0));
        binding_->request.list.caption = " SSL Control";
        binding_->BindComboBox(kStatus, cbxSSLVersion);
        binding_->BindEdits(kCipherSuites, kCipherSuitesFormat, {edtciphersuites});
        binding_->BindEdits(kCacheTimeout, kCacheTimeoutFormat, {edtCacheTimeOut});
        binding_->SetStatusTarget(statusPanel);
        binding_->getDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &error) {
            if (error.status == 0) ShowSuites();
        };
    } catch (const CodedError &e) {
        statusPanel->setText(QString::fromStdString(e.message()));
    }
}

TSSLManagementForm::~TSSLManagementForm() = default;

QComboBox *TSSLManagementForm::Suite(int i) const {
    QComboBox *const suites[kSuiteCount] = {cbxciphersuites1, cbxciphersuites2, cbxciphersuites3, cbxciphersuites4};
    return suites[i];
}

void TSSLManagementForm::ShowSuites() {
    const auto enabled = DecodeSuites(edtciphersuites->text().toStdString());
    if (!enabled) return;
    for (int i = 0; i < kSuiteCount; ++i) Suite(i)->setCurrentIndex((*enabled)[static_cast<std::size_t>(i)] ? 1 : 0);
}

void TSSLManagementForm::RefreshCurrent() { btnGetClick(); }

void TSSLManagementForm::btnGetClick() {
    if (binding_->busy) return;
    ExchangeScope::Get(binding_);
}

void TSSLManagementForm::btnSetClick() {
    bool empty = cbxSSLVersion->currentText().isEmpty() || edtCacheTimeOut->text().isEmpty();
    for (int i = 0; i < kSuiteCount; ++i) empty = empty || Suite(i)->currentText().isEmpty();
    if (empty) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromLatin1(kEmptyItemsMessage),
                       MessageBox::Icon::Warning);
        btnSet->setFocus();
        return;
    }
    if (binding_->busy) return;
    Suites enabled{};
    for (int i = 0; i < kSuiteCount; ++i) enabled[static_cast<std::size_t>(i)] = Suite(i)->currentIndex() == 1;
    edtciphersuites->setText(QString::fromStdString(EncodeSuites(enabled, edtciphersuites->text().toStdString())));
    try {
        ExchangeScope scope(binding_);
        binding_->Set(true, true, "");
    } catch (const CodedError &e) {
        binding_->ShowStatus(e.message());
    }
}

std::unique_ptr<QDialog> CreateSSLManagementForm(const MenuEntry &, const RecipeContext &context) {
    return std::make_unique<TSSLManagementForm>(context.mainWindow);
}
