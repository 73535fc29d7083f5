#include "dialogs/FormOptions.h"

#include "base/OkCancel.h"
#include "base/ProductProfile.h"
#include "dialogs/OptionsAgentPage.h"
#include "dialogs/OptionsGeneralPage.h"
#include "dialogs/OptionsMusicPage.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

FormOptions::FormOptions(OptionsHost& host, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FormOptions"));
    setWindowTitle(ProductProfile().Product_Name() + QStringLiteral(" Options"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    TabMain = new QTabWidget(this);
    General = new OptionsGeneralPage(host, TabMain);
    Music = new OptionsMusicPage(host, TabMain);
    Agent = new OptionsAgentPage(host, TabMain);
    TabMain->addTab(General, QStringLiteral("General"));
    TabMain->addTab(Music, QStringLiteral("Music"));
    TabMain->addTab(Agent, QStringLiteral("Agent"));

    const OkCancel buttons = MakeOkCancel(this);
    ButOK = buttons.ok;
    ButCancel = buttons.cancel;
    connect(ButOK, &QPushButton::clicked, this, &FormOptions::ButOK_Click);
    connect(ButCancel, &QPushButton::clicked, this, &FormOptions::ButCancel_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TabMain, 1);
    layout->addWidget(buttons.box);
    resize(520, 460);
}

void FormOptions::Init(int page) {
    General->Fill();
    Music->Fill();
    Agent->Fill();
    TabMain->setCurrentIndex(qBound(int(PageGeneral), page, int(PageAgent)) - 1);
}

void FormOptions::ShowDialog(int modal) {
    setModal(modal != 0);
    show();
    raise();
    activateWindow();
    // The first control of the page on show takes the keys.
    QWidget* first[] = {General->GenListBackgrounds, Music->MusicListFolders, Agent->AgentCheckUseAgent};
    first[TabMain->currentIndex()]->setFocus(Qt::TabFocusReason);
}

bool FormOptions::AddUniqueToList(QListWidget& list, const QString& text) {
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->text() == text) return false;
    list.addItem(text);
    return true;
}

void FormOptions::ButOK_Click() {
    Result = ResultOK;
    accept();
}

void FormOptions::ButCancel_Click() {
    Result = ResultCancel;
    QDialog::reject();
}

void FormOptions::reject() {
    ButCancel_Click();
}

void FormOptions::closeEvent(QCloseEvent* event) {
    if (isVisible()) ButOK_Click();
    event->accept();
}
