#pragma once

#include "agent/scripts/ScriptSurroundings.h"

#include <QHash>
#include <QString>
#include <QVariantList>
#include <functional>

class ScriptStage;

// Turns the name of a situation ("startup", "page_loaded", "midi_busy" ...) into a small
// performance of the character, issued all at once. Explanatory scripts count their performances
// and fall silent after a while; tips never expire but do not repeat within five.
class ScriptEngine {
public:
    ScriptEngine(ScriptStage& stage, const ScriptSurroundings& surroundings);

    // `key` is already trimmed and lower-cased; a name without a script performs nothing.
    void Perform(const QString& key, const QVariantList& extra = {});
    bool HasScript(const QString& key) const { return scripts_.contains(key); }
    void GiveTip();

    // The last four tips given, oldest first; -1 when empty.
    int RecentTips[4] = {-1, -1, -1, -1};
    // A number in [0, 1); tests make it predictable.
    std::function<double()> Random;
    // Where to write for a version of the browser made to measure.
    QString MakerEmail = QStringLiteral("custom@varnholt-software.example");

private:
    using Performance = std::function<void(const QVariantList&)>;
    void addScripts();
    void addTips();
    void startup();
    void whatsThisBookmarks();
    void whatsThisCard(const QVariantList& extra);
    void whatsThisMusic();
    void whatsThisTab();
    void performTip(int tip);
    void cornerTip();

    QRect musicBox() const;
    int randomPercent() const;

    ScriptStage& stage_;
    const ScriptSurroundings& at_;
    QHash<QString, Performance> scripts_;
    QHash<int, std::function<void()>> tips_;
};
