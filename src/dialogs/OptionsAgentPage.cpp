#include "dialogs/OptionsAgentPage.h"

#include "agent/AgentController.h"
#include "agent/AgentInfo.h"
#include "agent/scripts/ScriptCounters.h"
#include "base/RegUtil.h"
#include "dialogs/OptionsCharacter.h"
#include "dialogs/OptionsHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

OptionsAgentPage::OptionsAgentPage(OptionsHost& host, QWidget* parent)
    : QWidget(parent)
    , host_(host) {
    AgentCheckUseAgent = new QCheckBox(QStringLiteral("&Use the Agent"), this);
    Label1 = new QLabel(QStringLiteral("&Agent to use:"), this);
    AgentListNames = new QComboBox(this);
    AgentListNames->setMinimumContentsLength(16);
    Label1->setBuddy(AgentListNames);
    AgentLabCopyright = new QLabel(this);
    AgentLabCopyright->setWordWrap(true);
    Label6 = new QLabel(QStringLiteral("&Size:"), this);
    AgentScrollSize = new QSlider(Qt::Horizontal, this);
    AgentScrollSize->setRange(1, 7);
    AgentScrollSize->setSingleStep(1);
    AgentScrollSize->setPageStep(1);
    AgentScrollSize->setTickPosition(QSlider::TicksBelow);
    AgentScrollSize->setTickInterval(1);
    AgentScrollSize->setToolTip(QStringLiteral("Zoom the size of the Agent"));
    Label6->setBuddy(AgentScrollSize);
    AgentLabSize = new QLabel(QStringLiteral("100%"), this);
    // Room for "800%", so the slider does not jump as the number grows.
    AgentLabSize->setMinimumWidth(AgentLabSize->fontMetrics().horizontalAdvance(QStringLiteral("8888%")));
    AgentButRestore = new QPushButton(QStringLiteral("&Restore all Agent scripts"), this);
    AgentButRestore->setToolTip(QStringLiteral("Click to restore all Agent scripts"));
    AgentButVoice = new QPushButton(QStringLiteral("&Voice and Balloon..."), this);
    AgentButVoice->setToolTip(QStringLiteral("How the Agent speaks: out loud, how fast, and its balloon"));
    for (QPushButton* button : {AgentButRestore, AgentButVoice})
        button->setAutoDefault(false); // Enter is OK wherever the focus is

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(AgentListNames, 0, 1, 1, 2);
    grid->addWidget(AgentLabCopyright, 1, 1, 1, 2);
    grid->addWidget(Label6, 2, 0);
    grid->addWidget(AgentScrollSize, 2, 1);
    grid->addWidget(AgentLabSize, 2, 2);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AgentButRestore);
    buttons->addWidget(AgentButVoice);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AgentCheckUseAgent);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->addStretch();

    connect(AgentCheckUseAgent, &QCheckBox::toggled, this, &OptionsAgentPage::AgentCheckUseAgent_Click);
    connect(AgentListNames, &QComboBox::currentIndexChanged, this, &OptionsAgentPage::AgentListNames_Click);
    connect(AgentScrollSize, &QSlider::valueChanged, this, &OptionsAgentPage::AgentScrollSize_Change);
    connect(AgentButRestore, &QPushButton::clicked, this, &OptionsAgentPage::AgentButRestore_Click);
    connect(AgentButVoice, &QPushButton::clicked, this,
            [this] { host_.Character->ShowStandardProperties(); });
}

OptionsAgentPage::~OptionsAgentPage() = default;

QString OptionsAgentPage::CopyrightNotice() {
    return QStringLiteral("This character is \u00A9 Varnholt Software. All rights reserved.");
}

QString OptionsAgentPage::RestoreQuestion() {
    return QStringLiteral("Are you sure you want to restore all Agent scripts?");
}

QString OptionsAgentPage::RestoreFailedText() {
    return QStringLiteral("The Agent scripts could not be restored: the settings file cannot be written.");
}

QString OptionsAgentPage::percentText(int factor) {
    return QString::number(AgentController::SizeFactorToPercentage(factor)) + QLatin1Char('%');
}

void OptionsAgentPage::Fill() {
    PageFilling = true;
    UseAgentTicked = false;
    OptionsCharacter& agent = *host_.Character;
    AgentCheckUseAgent->setChecked(agent.UseAgent());

    AgentListNames->clear();
    PageAgentInfo = std::make_unique<AgentInfo>(agent.CharacterFolders());
    PageAgentInfo->ScanCharacters();
    for (int i = 1; i <= PageAgentInfo->CharCount(); ++i)
        AgentListNames->addItem(PageAgentInfo->NameAt(i), i);
    // A combo box picks its first item by itself; only the loaded character is to be shown chosen.
    int current = -1;
    for (int i = 0; i < AgentListNames->count(); ++i)
        if (AgentListNames->itemText(i) == agent.CurName()) current = i;
    AgentListNames->setCurrentIndex(current);
    AgentListNames_Click();
    ChosenAgentName = agent.CurBaseName();

    agent.RememberCurSizeFactor();
    const int factor = agent.SizeFactor();
    // A factor outside the slider's range is shown at its 100 %, as the character is.
    AgentScrollSize->setValue(factor >= 1 && factor <= 7 ? factor : 4);
    AgentLabSize->setText(percentText(factor));
    AgentScrollSize->setEnabled(AgentListNames->count() > 0);
    Label6->setEnabled(AgentScrollSize->isEnabled());
    PageFilling = false;
}

bool OptionsAgentPage::UseAgentChecked() const {
    return AgentCheckUseAgent->isChecked();
}

void OptionsAgentPage::AgentCheckUseAgent_Click() {
    if (PageFilling) return;
    if (AgentCheckUseAgent->isChecked()) {
        UseAgentTicked = true;
        host_.Character->Script(QStringLiteral("opt_useagent"), true);
        if (AgentListNames->count() > 0 && AgentListNames->currentIndex() < 0)
            AgentListNames->setCurrentIndex(0);
    } else {
        host_.Character->Script(QStringLiteral("opt_noagent"), true);
    }
}

void OptionsAgentPage::AgentListNames_Click() {
    const int index = AgentListNames->currentIndex();
    if (index < 0) {
        AgentLabCopyright->clear();
        return;
    }
    ChosenAgentName = AgentListNames->itemText(index);
    const int number = AgentListNames->itemData(index).toInt();
    AgentLabCopyright->setText(
        PageAgentInfo && PageAgentInfo->NeedsCopyrightNotice(number) ? CopyrightNotice() : QString());
}

void OptionsAgentPage::AgentScrollSize_Change() {
    if (PageFilling) return;
    const int factor = AgentScrollSize->value();
    AgentLabSize->setText(percentText(factor));
    host_.Character->SetSizeFactor(factor);
}

void OptionsAgentPage::AgentButRestore_Click() {
    OptionsCharacter& agent = *host_.Character;
    agent.Script(QStringLiteral("opt_agent_restore"), true);
    if (!host_.AskYesNo(window(), RestoreQuestion())) {
        agent.Script(QStringLiteral("opt_agent_restore_cancel"), true);
        return;
    }
    ScriptCounters::RestoreAll();
    // Where the counts could not be removed, the character must not say they were.
    if (!RegUtil::SettingsWritable()) {
        agent.Script(QStringLiteral("opt_agent_restore_cancel"), true);
        if (host_.StatusText) host_.StatusText(RestoreFailedText());
        return;
    }
    agent.Script(QStringLiteral("opt_agent_restore_done"), true);
}
