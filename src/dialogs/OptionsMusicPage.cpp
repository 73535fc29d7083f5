#include "dialogs/OptionsMusicPage.h"

#include "dialogs/FormOptions.h"
#include "dialogs/OptionsCharacter.h"
#include "dialogs/OptionsHost.h"
#include "music/MusicSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

OptionsMusicPage::OptionsMusicPage(OptionsHost& host, QWidget* parent)
    : QWidget(parent)
    , host_(host) {
    Label5 = new QLabel(QStringLiteral("&List of music folders:"), this);
    MusicListFolders = new QListWidget(this);
    MusicListFolders->setSelectionMode(QAbstractItemView::SingleSelection);
    MusicListFolders->setTextElideMode(Qt::ElideMiddle); // a long path keeps its last folder in view
    Label5->setBuddy(MusicListFolders);
    MusicButAdd = new QPushButton(QStringLiteral("A&dd..."), this);
    MusicButRemove = new QPushButton(QStringLiteral("&Remove"), this);
    MusicButOpenFolder = new QPushButton(QStringLiteral("Open &Folder"), this);
    for (QPushButton* button : {MusicButAdd, MusicButRemove, MusicButOpenFolder})
        button->setAutoDefault(false); // Enter is OK wherever the focus is
    MusicButRemove->setEnabled(false);
    MusicButOpenFolder->setEnabled(false);

    Frame4 = new QGroupBox(QStringLiteral("&When Music Box is open, play songs..."), this);
    MusicOptFreq[0] = new QRadioButton(QStringLiteral("&One after another"), Frame4);
    MusicOptFreq[1] = new QRadioButton(QStringLiteral("&Every few minutes"), Frame4);
    MusicOptFreq[1]->setToolTip(QStringLiteral("Glisterwood will pause between 2 - 5 minutes between songs"));
    freqGroup_ = new QButtonGroup(this);
    freqGroup_->addButton(MusicOptFreq[0], 0);
    freqGroup_->addButton(MusicOptFreq[1], 1);
    auto* freq = new QVBoxLayout(Frame4);
    freq->addWidget(MusicOptFreq[0]);
    freq->addWidget(MusicOptFreq[1]);

    MusicCheckPlayTheme = new QCheckBox(QStringLiteral("&Play theme song when Glisterwood 99 starts"), this);
    Label4 =
        new QLabel(QStringLiteral("You can hear music from any number of folders.  Glisterwood will "
                                  "automatically pick a song to play from among the songs in the folders "
                                  "listed.  If you have other sets of Christmas music you can add them "
                                  "to the list of folders.  You can also add new songs by dragging their "
                                  "link from a web page and dropping it onto the Music Box."),
                   this);
    Label4->setWordWrap(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(MusicButAdd);
    buttons->addWidget(MusicButRemove);
    buttons->addWidget(MusicButOpenFolder);
    buttons->addStretch();
    auto* folders = new QGridLayout;
    folders->addWidget(Label5, 0, 0, 1, 2);
    folders->addWidget(MusicListFolders, 1, 0);
    folders->addLayout(buttons, 1, 1);
    folders->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(folders, 1);
    layout->addWidget(Frame4);
    layout->addWidget(MusicCheckPlayTheme);
    layout->addWidget(Label4);

    connect(MusicButAdd, &QPushButton::clicked, this, &OptionsMusicPage::MusicButAdd_Click);
    connect(MusicButRemove, &QPushButton::clicked, this, &OptionsMusicPage::MusicButRemove_Click);
    connect(MusicButOpenFolder, &QPushButton::clicked, this, &OptionsMusicPage::MusicButOpenFolder_Click);
    connect(MusicListFolders, &QListWidget::itemSelectionChanged, this,
            &OptionsMusicPage::MusicListFolders_Click);
    connect(freqGroup_, &QButtonGroup::idClicked, this, &OptionsMusicPage::MusicOptFreq_Click);
}

void OptionsMusicPage::Fill() {
    const Music::Settings& s = Music::MusicSettings();
    const int freq = s.MusicFrequency == 1 ? 1 : 0;
    MusicOptFreq[freq]->setChecked(true);
    MusicOptFreq_Click(freq);
    MusicListFolders->clear();
    for (const QString& folder : s.MusicFolders)
        FormOptions::AddUniqueToList(*MusicListFolders, folder);
    MusicListFolders_Click();
    MusicCheckPlayTheme->setChecked(s.PlayTheme != 0);
}

QStringList OptionsMusicPage::ChosenFolders() const {
    QStringList folders;
    for (int i = 0; i < MusicListFolders->count(); ++i)
        folders << MusicListFolders->item(i)->text();
    if (folders.isEmpty()) folders << Music::GetDefaultMusicFolder();
    return folders;
}

bool OptionsMusicPage::PlayThemeChecked() const {
    return MusicCheckPlayTheme->isChecked();
}

QString OptionsMusicPage::selectedFolder() const {
    const QList<QListWidgetItem*> selected = MusicListFolders->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void OptionsMusicPage::MusicButAdd_Click() {
    host_.Character->Script(QStringLiteral("opt_music_folder_add"), true);
    const QString folder = host_.BrowseForFolder(window(), QStringLiteral("Select folder containing music"));
    if (!folder.isEmpty()) FormOptions::AddUniqueToList(*MusicListFolders, QDir::cleanPath(folder));
}

void OptionsMusicPage::MusicButRemove_Click() {
    const QList<QListWidgetItem*> selected = MusicListFolders->selectedItems();
    if (!selected.isEmpty()) {
        delete MusicListFolders->takeItem(MusicListFolders->row(selected.first()));
        // The neighbour takes its place, so a keyboard user can go on removing.
        if (QListWidgetItem* next = MusicListFolders->currentItem()) next->setSelected(true);
    }
    MusicListFolders_Click();
}

void OptionsMusicPage::MusicListFolders_Click() {
    const bool selected = !MusicListFolders->selectedItems().isEmpty();
    MusicButRemove->setEnabled(selected);
    MusicButOpenFolder->setEnabled(selected);
}

void OptionsMusicPage::MusicButOpenFolder_Click() {
    const QString folder = selectedFolder();
    if (folder.isEmpty()) return;
    if (!host_.OpenFolder(folder)) {
        host_.Character->Script(QStringLiteral("couldnt open path"), false);
        // No script speaks for this, so the user hears it from the status bar.
        if (host_.StatusText)
            host_.StatusText(QStringLiteral("The folder \"%1\" could not be opened.")
                                 .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    host_.Character->Script(QStringLiteral("opt_music_folder_open"), true);
}

void OptionsMusicPage::MusicOptFreq_Click(int index) {
    MusicOptFreq_Value = index;
}
