#pragma once

#include <QWidget>

struct OptionsHost;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The General page: the background design with its live preview, and the start and search pages.
class OptionsGeneralPage : public QWidget {
    Q_OBJECT
public:
    OptionsGeneralPage(OptionsHost& host, QWidget* parent = nullptr);

    // Fills the page from the current settings.
    void Fill();
    // Start and search page as the user left them, trimmed; "" where the page is not editable.
    QString ChosenStartupPage() const;
    QString ChosenSearchPage() const;
    // The search address as the user left it, trimmed; "" where it is not editable.
    QString ChosenSearchAddress() const;
    // True when the pages from last time are to open at start.
    bool RestoreChosen() const;

    void GenListBackgrounds_Click();
    void GenListBackgrounds_DblClick();
    void GenButPreview_Click();

    QGroupBox* Frame3;
    QListWidget* GenListBackgrounds;
    QPushButton* GenButPreview;
    QGroupBox* Frame2;
    QLabel* Label2;
    QLineEdit* GenEditStartup;
    QLabel* GenLabStartup;
    QLabel* Label3;
    QLineEdit* GenEditSearch;
    QLabel* GenLabSearch;
    QLabel* LabelSearchAddress;
    QLineEdit* GenEditSearchAddress;
    QLabel* GenLabSearchAddress;
    QGroupBox* FrameStart;
    QRadioButton* GenOptStartPage;
    QRadioButton* GenOptRestore;

    // The background last previewed (1..14); starts as the one on show.
    int fgGenBackgroundIndex = 1;

private:
    OptionsHost& host_;
    bool tipGiven_ = false; // the double-click tip, once per choice
};
