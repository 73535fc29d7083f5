#include "agent/engine/CharacterProperties.h"

#include "base/OkCancel.h"
#include "base/RegUtil.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const QString kSpeech = QStringLiteral("Speech");
const QString kSpeed = QStringLiteral("Speed");
const QString kFontSize = QStringLiteral("Balloon font size");
const QString kListeningKey = QStringLiteral("Listening key");

// A key alone, without the modifiers held with it: it is held down, not typed.
int keyOf(const QKeySequence& sequence) {
    return sequence.isEmpty() ? 0 : int(sequence[0].key());
}

int storedNumber(const QString& name, int fallback, int low, int high) {
    const QString text = RegUtil::GetRegString(RegUtil::kCharacterKey, name);
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? qBound(low, value, high) : fallback;
}
} // namespace

CharacterSettings CharacterSettings::Load() {
    CharacterSettings s;
    s.Speech = RegUtil::GetRegString(RegUtil::kCharacterKey, kSpeech) != QStringLiteral("0");
    s.SpeedPercent = storedNumber(kSpeed, 100, 50, 200);
    s.BalloonFontSize = storedNumber(kFontSize, 10, 8, 20);
    const QString key = RegUtil::GetRegString(RegUtil::kCharacterKey, kListeningKey);
    const int stored = keyOf(QKeySequence::fromString(key, QKeySequence::PortableText));
    if (stored != 0 && stored != Qt::Key_unknown) s.ListeningKey = stored;
    return s;
}

void CharacterSettings::Save() const {
    RegUtil::SetRegString(RegUtil::kCharacterKey, kSpeech,
                          Speech ? QStringLiteral("1") : QStringLiteral("0"));
    RegUtil::SetRegString(RegUtil::kCharacterKey, kSpeed, QString::number(SpeedPercent));
    RegUtil::SetRegString(RegUtil::kCharacterKey, kFontSize, QString::number(BalloonFontSize));
    RegUtil::SetRegString(RegUtil::kCharacterKey, kListeningKey,
                          QKeySequence(ListeningKey).toString(QKeySequence::PortableText));
}

CharacterProperties::CharacterProperties(const CharacterSettings& settings, QWidget* parent)
    : QDialog(parent)
    , CheckSpeech(new QCheckBox(QStringLiteral("&Speak out loud"), this))
    , SliderSpeed(new QSlider(Qt::Horizontal, this))
    , SpinFontSize(new QSpinBox(this))
    , EditListeningKey(new QKeySequenceEdit(QKeySequence(settings.ListeningKey), this)) {
    setWindowTitle(QStringLiteral("Character Properties"));
    CheckSpeech->setChecked(settings.Speech);
    SliderSpeed->setRange(50, 200);
    SliderSpeed->setPageStep(10);
    SliderSpeed->setValue(settings.SpeedPercent);
    SliderSpeed->setToolTip(QStringLiteral("How fast the character talks"));
    SpinFontSize->setRange(8, 20);
    SpinFontSize->setSuffix(QStringLiteral(" pt"));
    SpinFontSize->setValue(settings.BalloonFontSize);

    auto* speed = new QHBoxLayout;
    speed->addWidget(new QLabel(QStringLiteral("Slow"), this));
    speed->addWidget(SliderSpeed, 1);
    speed->addWidget(new QLabel(QStringLiteral("Fast"), this));
    auto* form = new QFormLayout;
    form->addRow(CheckSpeech);
    auto* speedLabel = new QLabel(QStringLiteral("Speaking s&peed:"), this);
    speedLabel->setBuddy(SliderSpeed);
    form->addRow(speedLabel, speed);
    auto* fontLabel = new QLabel(QStringLiteral("&Balloon text size:"), this);
    fontLabel->setBuddy(SpinFontSize);
    form->addRow(fontLabel, SpinFontSize);
    EditListeningKey->setToolTip(QStringLiteral("Hold this key and say a command"));
    // One key is enough: it ends the recording at once instead of waiting for a combination.
    connect(EditListeningKey, &QKeySequenceEdit::keySequenceChanged, this, [this](const QKeySequence& keys) {
        if (keys.count() > 1) EditListeningKey->setKeySequence(QKeySequence(keyOf(keys)));
    });
    auto* keyLabel = new QLabel(QStringLiteral("&Listening key:"), this);
    keyLabel->setBuddy(EditListeningKey);
    form->addRow(keyLabel, EditListeningKey);

    const OkCancel buttons = MakeOkCancel(this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons.box);
}

CharacterSettings CharacterProperties::Settings() const {
    CharacterSettings settings{CheckSpeech->isChecked(), SliderSpeed->value(), SpinFontSize->value()};
    const int key = keyOf(EditListeningKey->keySequence());
    if (key != 0) settings.ListeningKey = key; // a cleared field means the usual key
    return settings;
}
