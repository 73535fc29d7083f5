#pragma once

#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "browse/Browsers.h"

#include <QTabBar>
#include <QWidget>
#include <memory>

// The browser pages alone, on scripted pages: a tab bar with the two list tabs, an area for the
// views, and no window around them.
struct FakePages {
    FakePages()
        : agent(env.InitGlobalsWithRecorder())
        , tabs(makeTabs(area))
        , pages(std::make_unique<Browsers>(factory, *tabs, area)) {
        pages->Place(kPane);
        pages->StartPage = [] { return App().Prefs.Values().StartupPage; };
    }
    FakeBrowser* page(int slot) const { return static_cast<FakeBrowser*>(pages->Control(slot)); }
    // Opens the first page as start-up does.
    int start() {
        const int slot = pages->NewBrowser(TabImageBrowser);
        pages->SelectInterface_Browser();
        pages->ActivateBrowser(slot);
        return slot;
    }

    static constexpr QRect kPane{16, 96, 640, 400};
    static constexpr int kBulbSlots = 2 * (640 / 16 + 400 / 16); // 130

    TestEnvironment env;
    RecordingAgent& agent;
    FakeFactory factory;
    QWidget area;
    QTabBar* tabs;
    std::unique_ptr<Browsers> pages;

private:
    static QTabBar* makeTabs(QWidget& area) {
        auto* bar = new QTabBar(&area);
        bar->addTab(QStringLiteral("Bookmarks"));
        bar->setTabData(0, 0);
        bar->addTab(QStringLiteral("History"));
        bar->setTabData(1, 0);
        return bar;
    }
};
