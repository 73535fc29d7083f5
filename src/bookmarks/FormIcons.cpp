#include "bookmarks/FormIcons.h"

#include "base/OkCancel.h"
#include "bookmarks/CardIcons.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FormIcons::FormIcons(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Choose An Icon"));
    LabPrompt = new QLabel(QStringLiteral("&Please choose an icon:"), this);
    ListIcons = new QListWidget(this);
    ListIcons->setViewMode(QListView::IconMode);
    ListIcons->setIconSize(QSize(32, 32));
    ListIcons->setGridSize(QSize(56, 56));
    ListIcons->setMovement(QListView::Static);
    ListIcons->setResizeMode(QListView::Adjust);
    ListIcons->setMinimumSize(10 * 56 + 24, 5 * 56);
    LabPrompt->setBuddy(ListIcons);
    const OkCancel buttons = MakeOkCancel(this);
    ButOK = buttons.ok;
    ButCancel = buttons.cancel;
    connect(ButOK, &QPushButton::clicked, this, &FormIcons::ButOK_Click);
    connect(ButCancel, &QPushButton::clicked, this, [this] {
        Result = ResultCancel;
        reject();
    });
    connect(ListIcons, &QListWidget::itemDoubleClicked, this, &FormIcons::ButOK_Click);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabPrompt);
    layout->addWidget(ListIcons);
    layout->addWidget(buttons.box);
}

void FormIcons::Init(int defaultIcon) {
    ListIcons->clear();
    for (int i = 1; i <= kCardIconCount; ++i)
        new QListWidgetItem(CardIcon(i), QString::number(i), ListIcons);
    if (defaultIcon >= 1 && defaultIcon <= kCardIconCount) {
        ListIcons->setCurrentRow(defaultIcon - 1);
        ListIcons->scrollToItem(ListIcons->currentItem());
    } else {
        ListIcons->setCurrentRow(-1);
    }
    ListIcons->setFocus();
    IconIndex = defaultIcon;
}

void FormIcons::Uninit() {
    ListIcons->clear();
}

void FormIcons::ButOK_Click() {
    const QListWidgetItem* item = ListIcons->currentItem();
    if (!item || !item->isSelected()) return; // nothing picked yet: the chooser stays open
    IconIndex = ListIcons->row(item) + 1;
    Result = ResultOK;
    accept();
}

void FormIcons::closeEvent(QCloseEvent* event) {
    // The close box acts as OK; with nothing picked the chooser stays open.
    event->ignore();
    ButOK_Click();
}

int ChooseIcon(int initial, QWidget* parent) {
    FormIcons dialog(parent);
    dialog.Init(initial);
    dialog.exec();
    const int answer = dialog.Result != ResultCancel ? dialog.IconIndex : 0;
    dialog.Uninit();
    return answer;
}
