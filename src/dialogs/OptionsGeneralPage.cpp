#include "dialogs/OptionsGeneralPage.h"

#include "base/Preferences.h"
#include "decor/Background.h"
#include "dialogs/OptionsCharacter.h"
#include "dialogs/OptionsHost.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// A page the user may not change is shown as plain text in place of the box.
void showPage(QLineEdit* edit, QLabel* label, bool editable, const QString& page) {
    edit->setVisible(editable);
    label->setVisible(!editable);
    if (editable)
        edit->setText(page);
    else
        label->setText(page);
}
} // namespace

OptionsGeneralPage::OptionsGeneralPage(OptionsHost& host, QWidget* parent)
    : QWidget(parent)
    , host_(host) {
    Frame3 = new QGroupBox(QStringLiteral("&Background design"), this);
    GenListBackgrounds = new QListWidget(Frame3);
    GenListBackgrounds->setSelectionMode(QAbstractItemView::SingleSelection);
    GenButPreview = new QPushButton(QStringLiteral("Pre&view"), Frame3);
    GenButPreview->setAutoDefault(false); // Enter is OK wherever the focus is
    GenButPreview->setEnabled(false);
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(GenButPreview);
    previewColumn->addStretch();
    auto* backgrounds = new QHBoxLayout(Frame3);
    backgrounds->addWidget(GenListBackgrounds, 1);
    backgrounds->addLayout(previewColumn);

    Frame2 = new QGroupBox(QStringLiteral("Special pages"), this);
    Label2 = new QLabel(QStringLiteral("Startup:"), Frame2);
    GenEditStartup = new QLineEdit(Frame2);
    GenLabStartup = new QLabel(Frame2);
    Label3 = new QLabel(QStringLiteral("Search:"), Frame2);
    GenEditSearch = new QLineEdit(Frame2);
    GenLabSearch = new QLabel(Frame2);
    LabelSearchAddress = new QLabel(QStringLiteral("Search &address:"), Frame2);
    GenEditSearchAddress = new QLineEdit(Frame2);
    GenEditSearchAddress->setToolTip(QStringLiteral("Words typed into the address box are looked up here; "
                                                    "{searchTerms} stands for the words."));
    GenLabSearchAddress = new QLabel(Frame2);
    for (QLabel* fixed : {GenLabStartup, GenLabSearch, GenLabSearchAddress}) {
        fixed->setTextInteractionFlags(Qt::TextSelectableByMouse);
        fixed->hide();
    }
    Label2->setBuddy(GenEditStartup);
    Label3->setBuddy(GenEditSearch);
    LabelSearchAddress->setBuddy(GenEditSearchAddress);
    auto* pages = new QGridLayout(Frame2);
    pages->addWidget(Label2, 0, 0);
    pages->addWidget(GenEditStartup, 0, 1);
    pages->addWidget(GenLabStartup, 0, 1);
    pages->addWidget(Label3, 1, 0);
    pages->addWidget(GenEditSearch, 1, 1);
    pages->addWidget(GenLabSearch, 1, 1);
    pages->addWidget(LabelSearchAddress, 2, 0);
    pages->addWidget(GenEditSearchAddress, 2, 1);
    pages->addWidget(GenLabSearchAddress, 2, 1);
    pages->setColumnStretch(1, 1);

    FrameStart = new QGroupBox(QStringLiteral("When Glisterwood starts:"), this);
    GenOptStartPage = new QRadioButton(QStringLiteral("show the &start page"), FrameStart);
    GenOptRestore = new QRadioButton(QStringLiteral("open the pages from &last time"), FrameStart);
    auto* start = new QVBoxLayout(FrameStart);
    start->addWidget(GenOptStartPage);
    start->addWidget(GenOptRestore);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame3, 1);
    layout->addWidget(Frame2);
    layout->addWidget(FrameStart);

    connect(GenListBackgrounds, &QListWidget::itemSelectionChanged, this,
            &OptionsGeneralPage::GenListBackgrounds_Click);
    connect(GenListBackgrounds, &QListWidget::itemDoubleClicked, this,
            &OptionsGeneralPage::GenListBackgrounds_DblClick);
    connect(GenButPreview, &QPushButton::clicked, this, &OptionsGeneralPage::GenButPreview_Click);
}

void OptionsGeneralPage::Fill() {
    const Preferences& g = host_.Prefs->Values();
    fgGenBackgroundIndex = g.BackgroundIndex;
    showPage(GenEditStartup, GenLabStartup, g.StartupPageEditable, g.StartupPage);
    showPage(GenEditSearch, GenLabSearch, g.SearchPageEditable, g.SearchPage);
    showPage(GenEditSearchAddress, GenLabSearchAddress, g.SearchPageEditable, g.SearchAddress);
    (g.RestorePages ? GenOptRestore : GenOptStartPage)->setChecked(true);

    GenListBackgrounds->clear();
    for (int n = 1; n <= kBackgroundCount; ++n)
        GenListBackgrounds->addItem(BackgroundName(n));
    if (g.BackgroundIndex >= 1 && g.BackgroundIndex <= kBackgroundCount) {
        GenListBackgrounds->setCurrentRow(g.BackgroundIndex - 1);
        GenListBackgrounds->scrollToItem(GenListBackgrounds->currentItem());
    }
}

QString OptionsGeneralPage::ChosenStartupPage() const {
    return host_.Prefs->Values().StartupPageEditable ? GenEditStartup->text().trimmed() : QString();
}

QString OptionsGeneralPage::ChosenSearchPage() const {
    return host_.Prefs->Values().SearchPageEditable ? GenEditSearch->text().trimmed() : QString();
}

QString OptionsGeneralPage::ChosenSearchAddress() const {
    return host_.Prefs->Values().SearchPageEditable ? GenEditSearchAddress->text().trimmed() : QString();
}

bool OptionsGeneralPage::RestoreChosen() const {
    return GenOptRestore->isChecked();
}

void OptionsGeneralPage::GenListBackgrounds_Click() {
    GenButPreview->setEnabled(!GenListBackgrounds->selectedItems().isEmpty());
    tipGiven_ = false;
}

void OptionsGeneralPage::GenListBackgrounds_DblClick() {
    tipGiven_ = true; // the user already knows the shortcut
    GenButPreview_Click();
}

void OptionsGeneralPage::GenButPreview_Click() {
    const QList<QListWidgetItem*> selected = GenListBackgrounds->selectedItems();
    GenButPreview->setEnabled(!selected.isEmpty());
    if (selected.isEmpty()) return;
    if (!tipGiven_) {
        host_.Character->Script(QStringLiteral("opt_bg_dblclick"), true);
        tipGiven_ = true;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    fgGenBackgroundIndex = GenListBackgrounds->row(selected.first()) + 1;
    if (host_.DrawBackground) host_.DrawBackground(fgGenBackgroundIndex);
    QApplication::restoreOverrideCursor();
}
