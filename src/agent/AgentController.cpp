#include "agent/AgentController.h"

#include "agent/AgentInfo.h"
#include "agent/commands/CommandSet.h"
#include "agent/engine/AgentCharacter.h"
#include "agent/engine/CharacterEngine.h"
#include "agent/engine/CharacterProperties.h"
#include "agent/engine/SpeakerVoice.h"
#include "agent/scripts/ScriptCounters.h"
#include "agent/scripts/ScriptEngine.h"
#include "base/RegUtil.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QRandomGenerator>
#include <QScreen>
#include <cmath>

namespace {
constexpr int kPercentages[] = {25, 50, 75, 100, 200, 400, 800};
const QString kCharacterId = QStringLiteral("gw99");

// Single to 16-bit integer: the nearest, halves to even.
int rounded(double value) {
    return int(std::nearbyint(qBound(-32768.0, value, 32767.0)));
}
} // namespace

// The loaded character as the scripts drive it. Every request is dropped while none is loaded.
class AgentController::Stage : public ScriptStage {
public:
    explicit Stage(AgentController& c)
        : c_(c) {}
    void Stop() override {
        if (c_.charLoaded_) c_.char_->Stop();
    }
    void Show() override { c_.Show(); }
    void Play(const QString& animation) override { c_.Play(animation); }
    void Speak(const QString& text) override {
        if (c_.charLoaded_) c_.char_->Speak(text);
    }
    void SpeakAndAutoHide(const QString& text) override { c_.Speak(text); }
    void MoveTo(int x, int y) override { c_.MoveTo(x, y); }
    void MoveToGestureAt(double x, double y, double w, double h) override { c_.MoveToGestureAt(x, y, w, h); }
    void RandomizePosition(int chancePercent) override { c_.RandomizePosition(chancePercent); }
    void MoveToFreePlace(int x, int y) override { c_.MoveToFreePlace(QPoint(x, y)); }
    void ReturnToFreePlace() override { c_.ReturnToFreePlace(); }
    void PointAt(const QRectF& rect, const ClientToScreenMap& window) override { c_.pointAt(rect, window); }
    void PointReturn() override {
        if (c_.charLoaded_) c_.info_->PointReturn(*c_.char_);
    }
    bool Visible() const override { return c_.charLoaded_ && c_.char_->Visible(); }
    QString CharName() const override { return c_.info_->CharName(); }
    QSize CharSize() const override { return QSize(int(c_.Width()), int(c_.Height())); }
    QSize ScreenSize() const override { return c_.screenSize(); }

private:
    AgentController& c_;
};

AgentController::AgentController(std::function<std::unique_ptr<VoiceOutput>()> makeVoice,
                                 QStringList characterFolders)
    : makeVoice_(std::move(makeVoice))
    , info_(std::make_unique<AgentInfo>(characterFolders.isEmpty() ? AgentInfo::DefaultFolders()
                                                                   : std::move(characterFolders)))
    , activeAgents_(std::make_unique<ActiveAgents>())
    , stage_(std::make_unique<Stage>(*this))
    , scripts_(std::make_unique<ScriptEngine>(*stage_, Surroundings)) {
    if (!makeVoice_) makeVoice_ = [] { return std::make_unique<SpeakerVoice>(); };
    InitAgent();
}

AgentController::AgentController(NoCharacterPlatform)
    : info_(std::make_unique<AgentInfo>(QStringList{}))
    , activeAgents_(std::make_unique<ActiveAgents>())
    , stage_(std::make_unique<Stage>(*this))
    , scripts_(std::make_unique<ScriptEngine>(*stage_, Surroundings)) {
    useAgentFlag_ = RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kUseAgent) != 0;
    curSizeFactor_ = RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kAgentSize);
}

AgentController::~AgentController() {
    ShutdownAgent();
}

void AgentController::InitAgent() {
    info_->ScanCharacters();
    useAgentFlag_ = RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kUseAgent) != 0;
    curSizeFactor_ = RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kAgentSize);
    // The character platform needs a screen to stand on.
    agentAvailable_ = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    timerAutoHide_.setInterval(3000);
    connect(&timerAutoHide_, &QTimer::timeout, this, &AgentController::autoHideTick);
    SelectAgent(RegUtil::GetRegString(RegUtil::kProductKey, RegUtil::kAgentName), true);
}

void AgentController::ShutdownAgent() {
    timerAutoHide_.stop();
    char_.reset();
    charLoaded_ = false;
}

QString AgentController::ProperCaseName(const QString& name) {
    if (name.isEmpty()) return name;
    return name.left(1).toUpper() + name.mid(1).toLower();
}

QSize AgentController::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

FreePlace::Ground AgentController::ground() const {
    FreePlace::Ground ground =
        Surroundings.StandingGround ? Surroundings.StandingGround() : FreePlace::Ground{};
    if (ground.WorkArea.isEmpty()) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        ground.WorkArea = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), screenSize());
    }
    return ground;
}

QSize AgentController::figureSize() const {
    return char_ ? QSize(char_->Width(), char_->Height()) : QSize();
}

bool AgentController::SelectAgent(const QString& requested, bool centre) {
    if (!useAgentFlag_) return true;
    QString name = ProperCaseName(requested);
    if (!agentAvailable_) {
        charLoaded_ = false;
        return false;
    }
    UnloadCharacter();
    lastRefusal_.clear();
    if (!info_->FindByName(name) && !info_->FindByFile(name) && !info_->FindByFile(QStringLiteral("merlin")))
        return false;
    // Events run while a character loads: the program may end meanwhile, and this controller with it.
    const QPointer<AgentController> alive(this);
    CharacterLoad load = info_->LoadSelected();
    if (!alive) return false;
    if (!load.Character) {
        refuse(load.Problem);
        name = QStringLiteral("Merlin");
        if (!info_->FindByFile(QStringLiteral("merlin"))) return false;
        load = info_->LoadSelected();
        if (!alive) return false;
        if (!load.Character) {
            refuse(load.Problem);
            return false;
        }
    }
    curName_ = info_->CharName();
    RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kAgentName, curName_);
    char_ = std::make_unique<AgentCharacter>(load.Character, makeVoice_());
    char_->Apply(CharacterSettings::Load());
    connect(char_.get(), &AgentCharacter::idleStart, this, [this] {
        if (char_) char_->SetBalloonVisible(false);
        emit idleStarted();
    });
    connect(char_.get(), &AgentCharacter::commandChosen, this, &AgentController::command);
    charLoaded_ = true;
    curBaseName_ = name;
    curName_ = info_->CharName();
    AddCharCommands();

    const int percentage = SizeFactorToPercentage(curSizeFactor_);
    char_->SetHeight(rounded(info_->HeightAtPercent(percentage)));
    char_->SetWidth(rounded(info_->WidthAtPercent(percentage)));
    info_->SetLoaded(load.Character, QSize(char_->Width(), char_->Height()));
    // It appears where the last one went, unless that place is in the way now; the first time
    // near the middle of the screen, on a free place.
    const QSize screen = screenSize();
    const FreePlace::Ground free = ground();
    const QPoint saved(rounded(savedLeft_), rounded(savedTop_));
    QPoint place;
    if (!centre && hasSavedPlace_ && FreePlace::IsFree(free, QRect(saved, figureSize())))
        place = saved;
    else
        place = FreePlace::Choose(free, figureSize(),
                                  centre || !hasSavedPlace_
                                      ? QPoint(screen.width() / 2 - char_->Width() / 2, screen.height() / 3)
                                      : saved);
    char_->Engine().SetPosition(place);
    connect(char_.get(), &AgentCharacter::visibilityChanged, this, &AgentController::presenceChanged);
    activeAgents_->AddActive(kCharacterId, name);
    char_->Show();
    char_->Speak(info_->GreetingText());
    // The character that stands in for a refused one says why it came instead.
    if (!lastRefusal_.isEmpty()) char_->SpeakAsWritten(lastRefusal_);
    emit presenceChanged();
    return true;
}

void AgentController::refuse(const QString& problem) {
    QString line =
        QStringLiteral("The character \"%1\" cannot be used: %2.")
            .arg(info_->CharName().isEmpty() ? QFileInfo(info_->FilePath()).fileName() : info_->CharName(),
                 problem);
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    qWarning("%s", qPrintable(line));
    lastRefusal_ = line;
    emit characterRefused(line);
}

void AgentController::UnloadCharacter() {
    if (!charLoaded_ || !char_) return;
    char_->SetCommands({});
    char_->Speak(info_->FarewellText());
    char_->Hide();
    savedLeft_ = char_->Left();
    savedTop_ = char_->Top();
    hasSavedPlace_ = true;
    // The farewell and the hiding animation play out first, for a few seconds at most.
    QElapsedTimer waited;
    waited.start();
    while (char_->Visible() && waited.elapsed() < UnloadWaitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    timerAutoHide_.stop();
    char_.reset();
    info_->SetLoaded(nullptr, {});
    curBaseName_.clear();
    curName_.clear();
    activeAgents_->RemoveActive(kCharacterId);
    charLoaded_ = false;
    emit presenceChanged();
}

void AgentController::AddCharCommands() {
    if (char_) char_->SetCommands(CommandSet::Browser());
}

void AgentController::Command(const QString& name) {
    const QString key = name.trimmed().toLower();
    if (key == QLatin1String("tip")) {
        if (charLoaded_) scripts_->GiveTip();
    } else if (key == QLatin1String("read")) {
        emit readThePageRequested();
    } else if (key == QLatin1String("shut up")) {
        if (charLoaded_) char_->Stop();
    }
}

void AgentController::GestureAt(double x, double y) {
    if (charLoaded_) char_->GestureAt(QPoint(rounded(x), rounded(y)));
}

double AgentController::Height() const {
    return charLoaded_ ? char_->Height() : 0;
}

void AgentController::SetHeight(double value) {
    if (charLoaded_) char_->SetHeight(rounded(value));
}

double AgentController::Width() const {
    return charLoaded_ ? char_->Width() : 0;
}

void AgentController::SetWidth(double value) {
    if (charLoaded_) char_->SetWidth(rounded(value));
}

void AgentController::Hide() {
    if (charLoaded_) char_->Hide();
}

void AgentController::Show() {
    if (charLoaded_) char_->Show();
}

void AgentController::Interrupt() {
    if (charLoaded_) char_->Stop();
}

void AgentController::MoveTo(double x, double y) {
    if (charLoaded_) char_->MoveTo(QPoint(rounded(x), rounded(y)));
}

void AgentController::MoveToClient(double x, double y) {
    const QPoint client(rounded(x), rounded(y));
    const QPoint screen = ClientToScreen ? ClientToScreen(client) : client;
    MoveTo(screen.x(), screen.y());
}

void AgentController::MoveToGestureAt(double x, double y, double w, double h) {
    pointAt(QRectF(x, y, w, h), {});
}

void AgentController::pointAt(const QRectF& rect, const ClientToScreenMap& window) {
    if (!charLoaded_) return;
    const ClientToScreenMap& map = window ? window : ClientToScreen;
    auto toScreen = [&map](QPointF p) {
        const QPoint client(int(std::lround(p.x())), int(std::lround(p.y())));
        return map ? map(client) : client;
    };
    const QPoint topLeft = toScreen(rect.topLeft());
    const QPoint bottomRight = toScreen(rect.bottomRight());
    info_->PointAt(QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())),
                   screenSize().width(), *char_);
}

void AgentController::Play(const QString& animation) {
    if (charLoaded_) char_->Play(animation);
}

void AgentController::RandomizePosition(int chancePercent) {
    if (!charLoaded_) return;
    QRandomGenerator* random = QRandomGenerator::global();
    if (rounded(random->generateDouble() * 100) > chancePercent) return;
    const QSize screen = screenSize();
    const double x = random->generateDouble() * (screen.width() - char_->Width());
    const double y = random->generateDouble() * (screen.height() - char_->Height());
    MoveToFreePlace(QPoint(rounded(x), rounded(y)));
}

void AgentController::MoveToFreePlace(QPoint wish) {
    if (!charLoaded_) return;
    const QPoint place = FreePlace::Choose(ground(), figureSize(), wish);
    MoveTo(place.x(), place.y());
}

void AgentController::ReturnToFreePlace() {
    if (!charLoaded_) return;
    const QPoint at = char_->Destination();
    const FreePlace::Ground free = ground();
    if (FreePlace::IsFree(free, QRect(at, figureSize()))) return;
    const QPoint place = FreePlace::Choose(free, figureSize(), at);
    MoveTo(place.x(), place.y());
}

void AgentController::jumpClear(const FreePlace::Ground& free) {
    const QRect figure(char_->Engine().Position(), figureSize());
    if (!FreePlace::IsFree(free, figure))
        char_->Engine().SetPosition(FreePlace::Choose(free, figureSize(), figure.topLeft()));
}

void AgentController::StepAside(const QRect& window) {
    if (!charLoaded_ || !char_->Visible()) return;
    if (!QRect(char_->Engine().Position(), figureSize()).intersects(window)) return;
    FreePlace::Ground free = ground();
    free.Avoid << window;
    // At once: the figure must not stand over the window while it waits for its turn to walk.
    jumpClear(free);
}

void AgentController::Settle() {
    if (charLoaded_) jumpClear(ground());
}

void AgentController::BringBack() {
    if (!charLoaded_ || char_->Visible()) return;
    jumpClear(ground());
    char_->Show();
}

bool AgentController::Hidden() const {
    return charLoaded_ && !char_->Visible();
}

void AgentController::RecallSizeFactor() {
    // Also without a character: a cancelled preview must not become the size of the next one loaded.
    SetSizeFactor(rememberedSizeFactor_);
}

void AgentController::SaveSizeFactor() {
    if (charLoaded_)
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kAgentSize, QString::number(curSizeFactor_));
}

bool AgentController::Script(const QString& name, bool immediately, const QVariantList& args) {
    if (!charLoaded_) return false;
    if (immediately) char_->Stop();
    scripts_->Perform(name.trimmed().toLower(), args);
    return char_->Visible();
}

bool AgentController::ScriptNotExpired(const QString& name, int limit) {
    return ScriptCounters::NotExpired(name, limit);
}

void AgentController::ShowStandardProperties() {
    if (!charLoaded_) return;
    CharacterProperties sheet(CharacterSettings::Load());
    if (sheet.exec() != QDialog::Accepted || !char_) return;
    const CharacterSettings settings = sheet.Settings();
    settings.Save();
    char_->Apply(settings);
    emit characterSettingsChanged();
}

void AgentController::SetSizeFactor(int factor) {
    curSizeFactor_ = factor >= 1 && factor <= 7 ? factor : 4;
    if (!charLoaded_) return;
    const int percentage = SizeFactorToPercentage(curSizeFactor_);
    char_->SetHeight(rounded(info_->HeightAtPercent(percentage)));
    char_->SetWidth(rounded(info_->WidthAtPercent(percentage)));
    info_->SetLoadedSize(QSize(char_->Width(), char_->Height()));
}

int AgentController::SizeFactorToPercentage(int factor) {
    if ((factor >= 1 && factor <= 3) || (factor >= 5 && factor <= 7)) return kPercentages[factor - 1];
    return 100;
}

int AgentController::SizePercentageToFactor(int percentage) {
    for (int i = 0; i < 7; ++i)
        if (kPercentages[i] == percentage) return i + 1;
    return 4;
}

void AgentController::Speak(const QString& text) {
    if (!charLoaded_) return;
    char_->Speak(text);
    timerAutoHide_.start();
}

void AgentController::Think(const QString& text) {
    if (!charLoaded_) return;
    char_->Think(text);
    timerAutoHide_.start();
}

void AgentController::SpeakAsWritten(const QString& text) {
    if (!charLoaded_) return;
    char_->SpeakAsWritten(text);
    timerAutoHide_.start();
}

void AgentController::ThinkAsWritten(const QString& text) {
    if (!charLoaded_) return;
    char_->ThinkAsWritten(text);
    timerAutoHide_.start();
}

void AgentController::autoHideTick() {
    if (!charLoaded_ || !char_) {
        timerAutoHide_.stop();
        return;
    }
    // A balloon still being spoken stays; once the words are out it goes.
    if (char_->BalloonVisible()) {
        if (!char_->Speaking()) char_->SetBalloonVisible(false);
    } else {
        timerAutoHide_.stop();
    }
}

void AgentController::SetUseAgent(bool use) {
    useAgentFlag_ = use;
    RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kUseAgent,
                          use ? QStringLiteral("1") : QStringLiteral("0"));
    if (charLoaded_ && !use) UnloadCharacter();
}

void AgentController::VoiceCommandVisible(const QString& command, bool visible) {
    if (charLoaded_) char_->SetCommandVisible(command, visible);
}
