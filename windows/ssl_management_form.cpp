#include "windows/ssl_management_form.h"

#include "binding/ui/message_box.h"
#include "binding/ui/option_controls.h"
#include "binding/ui/request2edits.h"
#include "forms/ui_parts.h"
#include "windows/logic/ssl_cipher_suites.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

using namespace ssl_management;

namespace {

constexpr int kDesignWidth = 460;
constexpr int kDesignHeight = 300;

}  // namespace

TSSLManagementForm::TSSLManagementForm(const RecipeContext &, QWidget *parent)
    : TSettingsForm(parent),
      binding_(AddBinding(VdSNMPVarList(kDescriptors, VdSNMPVarList::ScalarGroup, 0), " SSL Control")) {
    setObjectName(QStringLiteral("SSLManagementForm"));
    resize(kDesignWidth, kDesignHeight);

    auto *settings = new QWidget(this);
    auto *grid = new QGridLayout(settings);
    cbxSSLVersion = MakeNamed<QComboBox>(settings, "cbxSSLVersion");
    edtCacheTimeOut = MakeNamed<QLineEdit>(settings, "edtCacheTimeOut");
    edtciphersuites = MakeNamed<QLineEdit>(settings, "edtciphersuites");
    edtciphersuites->hide();
    grid->addWidget(new QLabel(QStringLiteral("SSL Status"), settings), 0, 0);
    grid->addWidget(cbxSSLVersion, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Cache Time Out"), settings), 1, 0);
    grid->addWidget(edtCacheTimeOut, 1, 1);
    cbxciphersuites1 = MakeNamed<QComboBox>(settings, "cbxciphersuites1");
    cbxciphersuites2 = MakeNamed<QComboBox>(settings, "cbxciphersuites2");
    cbxciphersuites3 = MakeNamed<QComboBox>(settings, "cbxciphersuites3");
    cbxciphersuites4 = MakeNamed<QComboBox>(settings, "cbxciphersuites4");
    for (int i = 0; i < kSuiteCount; ++i) {
        FillComboBox(kSuiteOptions, Suite(i));
        grid->addWidget(new QLabel(QString::fromLatin1(kSuiteLabels[i]), settings), 2 + i, 0);
        grid->addWidget(Suite(i), 2 + i, 1);
    }
    grid->setColumnStretch(1, 1);

    btnGet = MakeNamedButton(this, "btnGet", "Refresh");
    btnSet = MakeNamedButton(this, "btnSet", "Set");
    LayOutSettingsWindow(this, settings, {btnGet, btnSet}, &StatusBar1, &statusPanel);
    SetStatusTarget(statusPanel);
    WireButtons(btnGet, btnSet);

    BindControls([this] {
        binding_->BindComboBox(kStatus, cbxSSLVersion);
        binding_->BindEdits(kCipherSuites, kCipherSuitesFormat, {edtciphersuites});
        binding_->BindEdits(kCacheTimeout, kCacheTimeoutFormat, {edtCacheTimeOut});
        binding_->getDone = [this](VdSNMPRequest2Controls &, const VdSNMPError &error) {
            if (error.status == 0) ShowSuites();
        };
    });
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

void TSSLManagementForm::WriteDevice() {
    bool empty = cbxSSLVersion->currentText().isEmpty() || edtCacheTimeOut->text().isEmpty();
    for (int i = 0; i < kSuiteCount; ++i) empty = empty || Suite(i)->currentText().isEmpty();
    if (empty) {
        MessageBox::Ok(this, MessageBox::ModuleCaption(), QString::fromLatin1(kEmptyItemsMessage),
                       MessageBox::Icon::Warning);
        btnSet->setFocus();
        return;
    }
    Suites enabled{};
    for (int i = 0; i < kSuiteCount; ++i) enabled[static_cast<std::size_t>(i)] = Suite(i)->currentIndex() == 1;
    edtciphersuites->setText(QString::fromStdString(EncodeSuites(enabled, edtciphersuites->text().toStdString())));
    RunShown(binding_, [this] { binding_->Set(true, true, ""); });
}
