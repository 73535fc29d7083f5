#include "bookmarks/FormProperties.h"

#include "decor/PointerGestures.h"

#include "base/OkCancel.h"
#include "bookmarks/CardIcons.h"
#include "bookmarks/FormIcons.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FormProperties::FormProperties(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Properties"));
    ChooseIcon = [this](int initial) { return ::ChooseIcon(initial, this); };
    EditTitle = new QLineEdit(this);
    EditUrl = new QLineEdit(this);
    EditTitle->setMinimumWidth(380);
    ImgIcon = new QLabel(this);
    ImgIcon->setFixedSize(36, 36);
    ImgIcon->setAlignment(Qt::AlignCenter);
    ImgIcon->setToolTip(QStringLiteral("Double-click to choose another icon"));
    ImgIcon->installEventFilter(this);
    ButChangeIcon = new QPushButton(QStringLiteral("&Change Icon..."), this);
    ButChangeIcon->setAutoDefault(false); // Enter is OK wherever the focus is
    connect(ButChangeIcon, &QPushButton::clicked, this, &FormProperties::ButChangeIcon_Click);

    auto* iconRow = new QHBoxLayout;
    iconRow->addWidget(ImgIcon);
    iconRow->addWidget(ButChangeIcon);
    iconRow->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Title:"), EditTitle);
    form->addRow(QStringLiteral("&URL:"), EditUrl);
    form->addRow(QStringLiteral("Icon:"), iconRow);

    const OkCancel buttons = MakeOkCancel(this);
    ButOK = buttons.ok;
    ButCancel = buttons.cancel;
    connect(ButOK, &QPushButton::clicked, this, [this] {
        Result = ResultOK;
        accept();
    });
    connect(ButCancel, &QPushButton::clicked, this, [this] {
        Result = ResultCancel;
        reject();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons.box);
}

void FormProperties::Init(int kind, const QString& title, const QString& url, int icon) {
    IconIndex = icon;
    if (kind == PointerGestures::KindCard)
        setWindowTitle(QStringLiteral("RivadOvov Properties"));
    else if (kind == PointerGestures::KindBookmarkList)
        setWindowTitle(QStringLiteral("Bookmark Properties"));
    EditTitle->setText(title);
    EditUrl->setText(url);
    showIcon();
}

void FormProperties::showIcon() {
    ImgIcon->setPixmap(CardIcon(IconIndex).pixmap(32, 32));
}

void FormProperties::ButChangeIcon_Click() {
    const int n = ChooseIcon(IconIndex);
    activateWindow();                        // the keyboard comes back here after the chooser
    if (n < 1 || n > kCardIconCount) return; // cancelled: nothing changes
    IconIndex = n;
    showIcon();
}

void FormProperties::closeEvent(QCloseEvent* event) {
    // The close box keeps the edits, as OK does.
    Result = ResultOK;
    event->accept();
    accept();
}

bool FormProperties::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ImgIcon && event->type() == QEvent::MouseButtonDblClick) {
        ButChangeIcon_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
