#pragma once

#include <QStringList>
#include <QWidget>

struct OptionsHost;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The Music page: the folders the jukebox picks songs from, how often it plays, and the theme song.
class OptionsMusicPage : public QWidget {
    Q_OBJECT
public:
    OptionsMusicPage(OptionsHost& host, QWidget* parent = nullptr);

    // Fills the page from the music settings.
    void Fill();
    // The folders in list order; the default music folder alone when the list is empty.
    QStringList ChosenFolders() const;
    bool PlayThemeChecked() const;

    void MusicButAdd_Click();
    void MusicButRemove_Click();
    void MusicListFolders_Click();
    void MusicButOpenFolder_Click();
    void MusicOptFreq_Click(int index);

    QLabel* Label5;
    QListWidget* MusicListFolders;
    QPushButton* MusicButAdd;
    QPushButton* MusicButRemove;
    QPushButton* MusicButOpenFolder;
    QGroupBox* Frame4;
    QRadioButton* MusicOptFreq[2];
    QCheckBox* MusicCheckPlayTheme;
    QLabel* Label4;

    // 0 one song after another, 1 a pause of a few minutes between songs.
    int MusicOptFreq_Value = 0;

private:
    QString selectedFolder() const;

    OptionsHost& host_;
    QButtonGroup* freqGroup_;
};
