#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "RecordingCharacter.h"
#include "TestCharacter.h"
#include "TestEnvironment.h"
#include "agent/AgentController.h"
#include "agent/engine/SilentVoice.h"
#include "agent/scripts/ScriptCounters.h"
#include "app/AppGlobals.h"
#include "app/MainMenus.h"
#include "app/WindowProbe.h"
#include "base/ProductProfile.h"
#include "base/RegUtil.h"
#include "browse/PageEvents.h"
#include "dialogs/FormOptions.h"
#include "dialogs/OptionsAgentPage.h"
#include "dialogs/OptionsEditor.h"
#include "dialogs/OptionsGeneralPage.h"
#include "dialogs/OptionsMusicPage.h"
#include "music/MusicSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

// The options dialog as a user drives it, against the settings store and a recording character.
class TestOptions : public QObject {
    Q_OBJECT

    // One user's world: settings, globals, the window's callbacks and two installed characters.
    struct World {
        TestEnvironment env;
        QTemporaryDir characters;
        RecordingCharacter agent;
        QList<int> painted;        // backgrounds drawn on the window
        QStringList status;        // status bar lines
        QStringList folderAnswers; // what the folder picker answers, in turn
        bool folderOpens = true;
        bool answerYes = false;
        QStringList asked;
        QWidget owner;
        std::unique_ptr<OptionsEditor> editor;

        World() {
            WriteTestCharacter(characters, QStringLiteral("tester"));
            WriteTestCharacter(characters, QStringLiteral("merlin"), [](QString& m) {
                m.replace(QStringLiteral("\"Tester\""), QStringLiteral("\"Merlin\""));
            });
            Preferences g = App().Prefs.Values();
            const ProductProfile product;
            agent.folders = {characters.path()};
            g.BackgroundIndex = 1;
            g.StartupPage = product.Product_StartupPage();
            g.SearchPage = product.Product_SearchPage();
            g.StartupPageEditable = g.SearchPageEditable = true;
            App().Prefs.Replace(g);
            Music::LoadMusicSettings();

            OptionsHost host;
            host.DrawBackground = [this](int n) { painted << n; };
            host.StatusText = [this](const QString& text) { status << text; };
            host.Character = &agent;
            host.Prefs = &App().Prefs;
            host.BrowseForFolder = [this](QWidget*, const QString&) {
                return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
            };
            host.OpenFolder = [this](const QString&) { return folderOpens; };
            host.AskYesNo = [this](QWidget*, const QString& question) {
                asked << question;
                return answerYes;
            };
            editor = std::make_unique<OptionsEditor>(std::move(host), &owner);
        }
        FormOptions& open(int page) {
            editor->EditOptions(page);
            return *editor->Dialog();
        }
        // OK, and the dialog is gone.
        void ok(FormOptions& d) {
            d.ButOK->click();
            QVERIFY(!editor->OptionsOpen());
        }
        QString stored(const char* name) const { return RegUtil::GetRegString(RegUtil::kProductKey, name); }
    };

private slots:
    void backgroundIsKeptOnlyWhenPreviewed_data() {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("kept");
        QTest::addColumn<QList<int>>("painted");
        QTest::newRow("OK without preview") << false << "ok" << 1 << QList<int>{};
        QTest::newRow("preview, OK") << true << "ok" << 5 << QList<int>{5};
        QTest::newRow("preview, Cancel") << true << "cancel" << 1 << QList<int>{5, 1};
        QTest::newRow("preview, Escape") << true << "escape" << 1 << QList<int>{5, 1};
        QTest::newRow("preview, close box") << true << "close" << 5 << QList<int>{5};
    }
    void backgroundIsKeptOnlyWhenPreviewed() {
        QFETCH(bool, preview);
        QFETCH(QString, ending);
        World w;
        FormOptions& d = w.open(FormOptions::PageGeneral);
        QCOMPARE(d.windowTitle(), QStringLiteral("Glisterwood 99 Options"));
        QCOMPARE(d.General->GenListBackgrounds->count(), 14);
        QCOMPARE(d.General->GenListBackgrounds->currentRow(), 0);
        d.General->GenListBackgrounds->setCurrentRow(4);
        if (preview) d.General->GenButPreview->click();
        if (ending == QLatin1String("ok")) d.ButOK->click();
        if (ending == QLatin1String("cancel")) d.ButCancel->click();
        if (ending == QLatin1String("escape")) QTest::keyClick(&d, Qt::Key_Escape);
        if (ending == QLatin1String("close")) QVERIFY(d.close());
        QVERIFY(!w.editor->OptionsOpen());
        QTEST(App().Prefs.Values().BackgroundIndex, "kept");
        QTEST(w.painted, "painted");
        QFETCH(int, kept);
        QCOMPARE(w.stored(RegUtil::kBackground), kept == 1 ? QString() : QString::number(kept));
    }

    void previewFollowsTheSelectionAndTipsOncePerChoice() {
        World w;
        OptionsHost nothing;
        FormOptions unfilled(nothing); // nothing chosen yet
        QVERIFY(!unfilled.General->GenButPreview->isEnabled());

        FormOptions& open = w.open(FormOptions::PageGeneral);
        QListWidget* list = open.General->GenListBackgrounds;
        QPushButton* preview = open.General->GenButPreview;
        QVERIFY(preview->isEnabled()); // the background on show is chosen
        const QRect third = list->visualItemRect(list->item(2));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(0)).center());
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!preview->isEnabled());
        preview->click(); // nothing chosen, nothing happens
        QVERIFY(w.painted.isEmpty() && w.agent.Scripts().isEmpty());

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
        QVERIFY(preview->isEnabled());
        preview->click();
        preview->click();
        QCOMPARE(w.agent.Scripts(), QStringList{QStringLiteral("script:opt_bg_dblclick!")});
        QCOMPARE(w.painted, (QList<int>{3, 3}));
        // A double-click previews too, and the user who does it needs no tip.
        list->scrollToItem(list->item(7));
        const QPoint eighth = list->visualItemRect(list->item(7)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, eighth);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, eighth);
        QCOMPARE(w.painted.last(), 8);
        QCOMPARE(w.agent.Scripts().size(), 1);
        QCOMPARE(open.General->fgGenBackgroundIndex, 8);
    }

    void startAndSearchPagesAreTrimmedAndTheProductsOwnIsNotStored() {
        World w;
        const ProductProfile product;
        FormOptions* d = &w.open(FormOptions::PageGeneral);
        QCOMPARE(d->General->GenEditStartup->text(), product.Product_StartupPage());
        d->General->GenEditStartup->setText(QStringLiteral("  http://home.example/ \t"));
        d->General->GenEditSearch->setText(QStringLiteral("    ")); // only blanks: no change
        w.ok(*d);
        QCOMPARE(w.stored(RegUtil::kStartupPage), QStringLiteral("http://home.example/"));
        QCOMPARE(App().Prefs.Values().StartupPage, QStringLiteral("http://home.example/"));
        QCOMPARE(w.stored(RegUtil::kSearchPage), QString());
        QCOMPARE(App().Prefs.Values().SearchPage, product.Product_SearchPage());

        // The product's own pages are never stored; typing one takes the user back to it.
        d = &w.open(FormOptions::PageGeneral);
        QCOMPARE(d->General->GenEditStartup->text(), QStringLiteral("http://home.example/"));
        d->General->GenEditStartup->setText(product.Product_StartupPage());
        w.ok(*d);
        QCOMPARE(w.stored(RegUtil::kStartupPage), QString());
        QCOMPARE(App().Prefs.Values().StartupPage, product.Product_StartupPage());
        QCOMPARE(w.stored(RegUtil::kSearchPage), QString());

        // A page the edition fixes is shown, not edited, and never stored.
        Preferences fixed = App().Prefs.Values();
        fixed.StartupPageEditable = false;
        App().Prefs.Replace(fixed);
        d = &w.open(FormOptions::PageGeneral);
        QVERIFY(d->General->GenEditStartup->isHidden() && !d->General->GenLabStartup->isHidden());
        QCOMPARE(d->General->GenLabStartup->text(), product.Product_StartupPage());
        d->General->GenEditStartup->setText(QStringLiteral("http://sneaky.example/"));
        w.ok(*d);
        QCOMPARE(w.stored(RegUtil::kStartupPage), QString());
    }

    void musicFoldersAreEditedAndStored() {
        World w;
        const QString def = Music::GetDefaultMusicFolder();
        const QString odd = w.env.Home() + QStringLiteral("/Weihnachts Müsik ☃/carols");
        const QString gone = w.env.Home() + QStringLiteral("/no longer here");
        FormOptions* d = &w.open(FormOptions::PageMusic);
        OptionsMusicPage* m = d->Music;
        QCOMPARE(d->TabMain->currentIndex(), 1);
        QCOMPARE(m->MusicListFolders->count(), 1);
        QVERIFY(!m->MusicButRemove->isEnabled() && !m->MusicButOpenFolder->isEnabled());
        QVERIFY(m->MusicOptFreq[0]->isChecked() && !m->MusicCheckPlayTheme->isChecked());

        w.folderAnswers = {odd, def, gone, QString()}; // the last one is a cancelled picker
        for (int i = 0; i < 4; ++i)
            m->MusicButAdd->click();
        QCOMPARE(w.agent.Scripts().count(QStringLiteral("script:opt_music_folder_add!")), 4);
        QCOMPARE(m->ChosenFolders(), (QStringList{def, odd, gone})); // no second copy, nothing for cancel
        m->MusicOptFreq[1]->click();
        m->MusicCheckPlayTheme->setChecked(true);
        w.ok(*d);
        QCOMPARE(w.stored("Music frequency"), QStringLiteral("1"));
        QCOMPARE(w.stored(RegUtil::kPlayTheme), QStringLiteral("1"));
        Music::LoadMusicSettings(); // as the next start reads them
        QCOMPARE(Music::MusicSettings().MusicFolders, (QStringList{def, odd, gone}));

        // Removing every folder leaves the default folder alone.
        d = &w.open(FormOptions::PageMusic);
        m = d->Music;
        QVERIFY(m->MusicOptFreq[1]->isChecked() && m->MusicCheckPlayTheme->isChecked());
        m->MusicListFolders->setCurrentRow(1);
        QVERIFY(m->MusicButRemove->isEnabled() && m->MusicButOpenFolder->isEnabled());
        for (int i = 0; i < 3; ++i)
            m->MusicButRemove->click(); // the neighbour is chosen next
        QCOMPARE(m->MusicListFolders->count(), 0);
        QVERIFY(!m->MusicButRemove->isEnabled() && !m->MusicButOpenFolder->isEnabled());
        w.ok(*d);
        QCOMPARE(w.stored("Music folders"), QStringLiteral("1"));
        QCOMPARE(RegUtil::GetRegString(RegUtil::kMusicFoldersKey, QStringLiteral("1")), def);
        QCOMPARE(RegUtil::GetRegString(RegUtil::kMusicFoldersKey, QStringLiteral("2")), QString());
    }

    void openFolderTellsWhenItCannot() {
        World w;
        FormOptions& d = w.open(FormOptions::PageMusic);
        d.Music->MusicListFolders->setCurrentRow(0);
        d.Music->MusicButOpenFolder->click();
        QCOMPARE(w.agent.Scripts().last(), QStringLiteral("script:opt_music_folder_open!"));
        w.folderOpens = false;
        d.Music->MusicButOpenFolder->click();
        QCOMPARE(w.agent.Scripts().last(), QStringLiteral("script:couldnt open path"));
        QCOMPARE(w.status.size(), 1);
        QVERIFY(w.status.first().contains(QDir::toNativeSeparators(Music::GetDefaultMusicFolder())));
    }

    void switchingTheCharacterOnLoadsTheFirstOne() {
        World w;
        FormOptions& d = w.open(FormOptions::PageAgent);
        OptionsAgentPage* a = d.Agent;
        QCOMPARE(d.TabMain->currentIndex(), 2);
        QVERIFY(!a->AgentCheckUseAgent->isChecked());
        QCOMPARE(a->AgentListNames->count(), 2);
        QCOMPARE(a->AgentListNames->currentIndex(), -1);
        QVERIFY(a->AgentScrollSize->isEnabled());
        QVERIFY(w.agent.Scripts().isEmpty()); // filling the page says nothing
        QTest::keyClick(a->AgentCheckUseAgent, Qt::Key_Space);
        QCOMPARE(w.agent.Scripts(), QStringList{QStringLiteral("script:opt_useagent!")});
        QCOMPARE(a->AgentListNames->currentIndex(), 0);
        const QString first = a->AgentListNames->itemText(0);
        w.ok(d);
        QVERIFY(w.agent.log.contains(QStringLiteral("select:") + first));
        QCOMPARE(w.agent.CurName(), first);
    }

    void anUnchangedPageReloadsNothing() {
        World w;
        w.agent.use = true;
        w.agent.name = QStringLiteral("Merlin");
        FormOptions& d = w.open(FormOptions::PageAgent);
        QVERIFY(d.Agent->AgentCheckUseAgent->isChecked());
        QCOMPARE(d.Agent->AgentListNames->currentText(), QStringLiteral("Merlin"));
        QVERIFY(w.agent.Scripts().isEmpty());
        w.ok(d);
        QCOMPARE(w.agent.log.filter(QStringLiteral("select:")), QStringList());
        QCOMPARE(w.agent.log.last(), QStringLiteral("savesize:4"));
        QVERIFY(!w.agent.log.contains(QStringLiteral("bringback"))); // a hidden character stays hidden
    }

    void offAndOnAgainBringsAHiddenCharacterBack() {
        World w;
        w.agent.use = true;
        w.agent.name = QStringLiteral("Merlin");
        FormOptions& d = w.open(FormOptions::PageAgent);
        d.Agent->AgentCheckUseAgent->setChecked(false);
        d.Agent->AgentCheckUseAgent->setChecked(true);
        w.ok(d);
        QVERIFY(w.agent.log.contains(QStringLiteral("bringback")));
        QCOMPARE(w.agent.log.filter(QStringLiteral("select:")), QStringList()); // the same one, not reloaded
        // Ticked and unticked again: off, nothing to bring back.
        w.agent.log.clear();
        FormOptions& again = w.open(FormOptions::PageAgent);
        again.Agent->AgentCheckUseAgent->setChecked(false);
        again.Agent->AgentCheckUseAgent->setChecked(true);
        again.Agent->AgentCheckUseAgent->setChecked(false);
        w.ok(again);
        QVERIFY(!w.agent.log.contains(QStringLiteral("bringback")));
    }

    void switchingOffSaysGoodbye() {
        World w;
        w.agent.use = true;
        w.agent.name = QStringLiteral("Merlin");
        FormOptions& d = w.open(FormOptions::PageAgent);
        d.Agent->AgentCheckUseAgent->setChecked(false);
        QCOMPARE(w.agent.Scripts(), QStringList{QStringLiteral("script:opt_noagent!")});
        w.ok(d);
        QVERIFY(!w.agent.UseAgent());
        QCOMPARE(w.agent.CurName(), QString());
    }

    void sizeIsPreviewedAndCancelPutsItBack() {
        World w;
        w.agent.use = true;
        w.agent.name = QStringLiteral("Merlin");
        FormOptions& d = w.open(FormOptions::PageAgent);
        QSlider* slider = d.Agent->AgentScrollSize;
        QCOMPARE(slider->value(), 4);
        QCOMPARE(d.Agent->AgentLabSize->text(), QStringLiteral("100%"));
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(d.Agent->AgentLabSize->text(), QStringLiteral("400%"));
        QCOMPARE(w.agent.SizeFactor(), 6); // at once
        d.ButCancel->click();
        QCOMPARE(w.agent.SizeFactor(), 4);
        QVERIFY(w.agent.log.filter(QStringLiteral("savesize")).isEmpty());

        FormOptions& again = w.open(FormOptions::PageAgent);
        again.Agent->AgentScrollSize->setValue(1);
        QCOMPARE(again.Agent->AgentLabSize->text(), QStringLiteral("25%"));
        w.ok(again);
        QCOMPARE(w.agent.log.last(), QStringLiteral("savesize:1"));
    }

    void restoringTheScriptsAsksFirst() {
        World w;
        QVERIFY(ScriptCounters::NotExpired(QStringLiteral("startup"), 2));
        QVERIFY(ScriptCounters::NotExpired(QStringLiteral("bulb_dropped"), 4));
        FormOptions& d = w.open(FormOptions::PageAgent);
        d.Agent->AgentButRestore->click();
        QCOMPARE(w.asked, QStringList{QStringLiteral("Are you sure you want to restore all Agent scripts?")});
        QCOMPARE(w.agent.Scripts(), (QStringList{QStringLiteral("script:opt_agent_restore!"),
                                                 QStringLiteral("script:opt_agent_restore_cancel!")}));
        QCOMPARE(ScriptCounters::Count(QStringLiteral("startup")), 1);
        QCOMPARE(ScriptCounters::Count(QStringLiteral("bulb_dropped")), 1);

        w.answerYes = true;
        d.Agent->AgentButRestore->click();
        QCOMPARE(w.agent.Scripts().last(), QStringLiteral("script:opt_agent_restore_done!"));
        d.ButCancel->click(); // Cancel does not undo it
        QCOMPARE(ScriptCounters::Count(QStringLiteral("startup")), 0);
        QCOMPARE(ScriptCounters::Count(QStringLiteral("bulb_dropped")), 0);
    }

    void aSecondCallRaisesTheOpenDialog() {
        World w;
        FormOptions& d = w.open(FormOptions::PageMusic);
        w.editor->EditOptions(FormOptions::PageAgent);
        QCOMPARE(w.editor->Dialog(), &d);
        QCOMPARE(w.owner.findChildren<FormOptions*>().size(), 1);
        QCOMPARE(d.TabMain->currentIndex(), 1);
        w.ok(d);
        QCOMPARE(w.editor->Dialog(), nullptr);
        w.editor->EditOptions(FormOptions::PageAgent);
        QVERIFY(w.editor->OptionsOpen());
    }

    void anUnwritableStoreIsToldOnceAndTheChoicesStillApply() {
        World w;
        QFile blocker(w.env.Home() + QStringLiteral("/not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        RegUtil::SetSettingsFilePathForTesting(blocker.fileName() + QStringLiteral("/settings.conf"));
        FormOptions& d = w.open(FormOptions::PageGeneral);
        w.answerYes = true;
        d.Agent->AgentButRestore->click(); // the character does not claim it worked
        QCOMPARE(w.agent.Scripts().last(), QStringLiteral("script:opt_agent_restore_cancel!"));
        QCOMPARE(w.status, QStringList{OptionsAgentPage::RestoreFailedText()});
        w.status.clear();
        d.General->GenListBackgrounds->setCurrentRow(6);
        d.General->GenButPreview->click();
        d.General->GenEditStartup->setText(QStringLiteral("http://mine.example/"));
        w.folderAnswers = {w.env.Home()};
        d.Music->MusicButAdd->click();
        w.ok(d);
        QCOMPARE(w.status, QStringList{OptionsEditor::SaveFailedText()});
        QCOMPARE(App().Prefs.Values().BackgroundIndex, 7);
        QCOMPARE(App().Prefs.Values().StartupPage, QStringLiteral("http://mine.example/"));
        QCOMPARE(Music::MusicSettings().MusicFolders.size(), 2);
        RegUtil::SetSettingsFilePathForTesting(QString());
    }

    void theWindowOpensTheDialogOnItsPages() {
        FakeWindow w;
        OptionsEditor& options = *w.mod->Options;
        w.ui->Menus->ItemEditOptions->trigger();
        QVERIFY(options.OptionsOpen());
        QCOMPARE(options.Dialog()->TabMain->currentIndex(), 0);
        QVERIFY(options.Dialog()->isModal());
        // The preview paints the window and the tip comes from the program's character.
        options.Dialog()->General->GenListBackgrounds->setCurrentRow(4);
        options.Dialog()->General->GenButPreview->click();
        QVERIFY(w.agent->said.contains(QStringLiteral("script:opt_bg_dblclick")));
        QVERIFY(options.Dialog()->close());
        QCOMPARE(App().Prefs.Values().BackgroundIndex, 5);

        w.ui->Menus->ItemMusicProperties->trigger();
        QCOMPARE(options.Dialog()->TabMain->currentIndex(), 1);
        options.Dialog()->ButCancel->click();
        emit w.agent->command(QStringLiteral("Properties"));
        QTRY_VERIFY(options.OptionsOpen());
        QCOMPARE(options.Dialog()->TabMain->currentIndex(), 2);
        options.Dialog()->ButCancel->click();
    }

    void theProgramsCharacterComesOnFromItsPage() {
        FakeWindow w;
        QTemporaryDir characters;
        WriteTestCharacter(characters, QStringLiteral("merlin"), [](QString& m) {
            m.replace(QStringLiteral("\"Tester\""), QStringLiteral("\"Merlin\""));
        });
        App().Agent = std::make_unique<AgentController>([] { return std::make_unique<SilentVoice>(); },
                                                        QStringList{characters.path()});
        AgentController& agent = *App().Agent;
        QVERIFY(!agent.CharLoaded());
        OptionsEditor& options = *w.mod->Options;
        // A size tried and cancelled while the character is off is not the size it comes with.
        w.form->EditOptions(FormOptions::PageAgent);
        options.Dialog()->Agent->AgentScrollSize->setValue(7);
        options.Dialog()->ButCancel->click();
        QCOMPARE(AgentController::SizeFactorToPercentage(agent.SizeFactor()), 100);

        w.form->EditOptions(FormOptions::PageAgent);
        OptionsAgentPage* page = options.Dialog()->Agent;
        QVERIFY(page->AgentListNames->findText(QStringLiteral("Merlin")) >= 0);
        page->AgentCheckUseAgent->setChecked(true);
        QCOMPARE(page->AgentListNames->currentText(), page->AgentListNames->itemText(0));
        page->AgentScrollSize->setValue(5); // previewed on no character: no effect yet
        const QString chosen = page->ChosenAgentName;
        options.Dialog()->ButOK->click();
        QVERIFY(agent.CharLoaded());
        QCOMPARE(agent.CurName(), chosen);
        QCOMPARE(agent.SizeFactor(), 5);
        QCOMPARE(RegUtil::GetRegString(RegUtil::kProductKey, RegUtil::kUseAgent), QStringLiteral("1"));
        QCOMPARE(RegUtil::GetRegString(RegUtil::kProductKey, RegUtil::kAgentSize), QStringLiteral("5"));
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
