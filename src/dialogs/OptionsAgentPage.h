#pragma once

#include <QWidget>
#include <memory>

struct OptionsHost;
class AgentInfo;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

// The Agent page: the character on or off, which one, its size with a live preview, and a fresh
// start for the scripts that have worn out.
class OptionsAgentPage : public QWidget {
    Q_OBJECT
public:
    OptionsAgentPage(OptionsHost& host, QWidget* parent = nullptr);
    ~OptionsAgentPage() override;

    // Fills the page from the character; its handlers stay quiet meanwhile.
    void Fill();
    bool UseAgentChecked() const;

    void AgentCheckUseAgent_Click();
    void AgentListNames_Click();
    void AgentScrollSize_Change();
    void AgentButRestore_Click();

    QCheckBox* AgentCheckUseAgent;
    QLabel* Label1;
    QComboBox* AgentListNames;
    QLabel* AgentLabCopyright;
    QLabel* Label6;
    QSlider* AgentScrollSize;
    QLabel* AgentLabSize;
    QPushButton* AgentButRestore;
    QPushButton* AgentButVoice;

    // The character the user chose; compared with the loaded one after OK.
    QString ChosenAgentName;
    // The user ticked "Use the Agent" while the dialog was open (after unticking it, say).
    bool UseAgentTicked = false;
    bool PageFilling = false;

    static QString CopyrightNotice();
    static QString RestoreQuestion();
    static QString RestoreFailedText();

private:
    static QString percentText(int factor);

    OptionsHost& host_;
    std::unique_ptr<AgentInfo> PageAgentInfo;
};
