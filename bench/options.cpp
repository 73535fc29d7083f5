// Opening the options dialog and closing it with OK (every page filled, every setting stored),
// beside the floor: a bare dialog with three tabs and a list of fourteen names, made, shown and accepted,
// and the same values written through one QSettings. Prints figures; never judges them.
#include "app/AppGlobals.h"
#include "common/BenchCommon.h"
#include "dialogs/FormOptions.h"
#include "dialogs/OptionsCharacter.h"
#include "dialogs/OptionsEditor.h"
#include "dialogs/OptionsGeneralPage.h"
#include "music/MusicSettings.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

// A character that is off and asks for nothing.
class QuietCharacter : public OptionsCharacter {
public:
    bool UseAgent() const override { return false; }
    void SetUseAgent(bool) override {}
    QString CurName() const override { return {}; }
    QString CurBaseName() const override { return {}; }
    int SizeFactor() const override { return 4; }
    void SetSizeFactor(int) override {}
    void RememberCurSizeFactor() override {}
    void RecallSizeFactor() override {}
    void SaveSizeFactor() override {}
    void SelectAgent(const QString&) override {}
    void BringBack() override {}
    void Script(const QString&, bool) override {}
    QStringList CharacterFolders() const override { return {QStringLiteral(GW_BUILD_CHARACTERS)}; }
    void ShowStandardProperties() override {}
};

double millisecondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The least dialog that looks like the options dialog.
struct FloorDialog {
    QDialog dialog;
    QListWidget* list;
    FloorDialog() {
        auto* tabs = new QTabWidget(&dialog);
        list = new QListWidget;
        tabs->addTab(list, QStringLiteral("General"));
        tabs->addTab(new QWidget, QStringLiteral("Music"));
        tabs->addTab(new QWidget, QStringLiteral("Agent"));
        (new QVBoxLayout(&dialog))->addWidget(tabs);
        for (int i = 1; i <= 14; ++i)
            list->addItem(QStringLiteral("Background %1").arg(i));
    }
};

void writeFloorSettings(const QString& path, int round) {
    QSettings store(path, QSettings::IniFormat);
    for (const char* name : {"Startup page", "Background", "Music frequency", "Play theme", "Music folders",
                             "Use agent", "Agent size"})
        store.setValue(QString::fromLatin1(name), QString::number(round));
    store.remove(QStringLiteral("Music Folders"));
    store.setValue(QStringLiteral("Music Folders/1"), QStringLiteral("/home/user/Music/Carols"));
    store.sync();
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/.local/share")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? QByteArray(argv[1]).toInt() : 20;
    if (repetitions < 1) {
        std::fprintf(stderr, "usage: %s [repetitions]\n", argv[0]);
        return 1;
    }

    Preferences editable = App().Prefs.Values();
    editable.StartupPageEditable = editable.SearchPageEditable = true;
    App().Prefs.Replace(editable);
    Music::LoadMusicSettings();
    QuietCharacter character;
    OptionsHost host;
    host.Character = &character;
    host.Prefs = &App().Prefs;
    host.DrawBackground = [](int) {};
    QWidget owner;
    OptionsEditor editor(host, &owner);
    const QString floorSettings = home.filePath(QStringLiteral("floor.conf"));

    QList<double> opens, oks, floorOpens, floorOks;
    bool ok = true;
    for (int i = 0; i < repetitions; ++i) {
        opens << millisecondsOf([&] { editor.EditOptions(FormOptions::PageGeneral); });
        ok = ok && editor.OptionsOpen();
        oks << millisecondsOf([&] {
            editor.Dialog()->General->GenListBackgrounds->setCurrentRow(i % 14);
            editor.Dialog()->General->GenButPreview->click();
            editor.Dialog()->ButOK->click();
        });
        ok = ok && !editor.OptionsOpen();
        std::unique_ptr<FloorDialog> floor;
        floorOpens << millisecondsOf([&] {
            floor = std::make_unique<FloorDialog>();
            floor->list->setCurrentRow(i % 14);
            floor->dialog.show();
        });
        floorOks << millisecondsOf([&] {
            floor->dialog.accept();
            writeFloorSettings(floorSettings, i);
        });
    }

    std::printf("options dialog, median [min - max] of %d repetitions; floor: a bare three-tab dialog and "
                "one QSettings write of the same values\n",
                repetitions);
    bench::PrintFigures(
        {{QStringLiteral("open (ms)"), bench::Summarise(opens), bench::Summarise(floorOpens), 2},
         {QStringLiteral("OK and store (ms)"), bench::Summarise(oks), bench::Summarise(floorOks), 2}});
    std::printf("aim: opening under 100 ms, OK under 50 ms\n");
    if (!ok) std::fprintf(stderr, "the dialog did not open or close\n");
    return ok ? 0 : 1;
}
