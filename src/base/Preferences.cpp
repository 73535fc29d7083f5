#include "base/Preferences.h"

#include "base/Folders.h"
#include "base/ProductProfile.h"
#include "base/RegUtil.h"

#include <QUrl>

namespace {

QString storedPage(const char* valueName) {
    return RegUtil::GetRegString(RegUtil::kProductKey, valueName).trimmed();
}

// The product's own page is never stored: an empty value reads as the product's.
void storePage(const QString& chosen, const QString& productPage, const char* valueName, QString& inUse) {
    if (chosen.isEmpty()) return;
    if (chosen != productPage)
        RegUtil::SetRegString(RegUtil::kProductKey, valueName, chosen);
    else if (!storedPage(valueName).isEmpty())
        RegUtil::SetRegString(RegUtil::kProductKey, valueName, QString());
    inUse = chosen;
}

} // namespace

bool PreferencesStore::IsSearchAddress(const QString& text) {
    const QString trimmed = text.trimmed();
    if (!trimmed.contains(QLatin1String(kSearchTerms))) return false;
    const QUrl url(QString(trimmed).replace(QLatin1String(kSearchTerms), QStringLiteral("words")),
                   QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) return !url.host().isEmpty();
    return scheme == QLatin1String("file") || scheme == QLatin1String("glisterwood");
}

int PreferencesStore::BackgroundFromSetting(int stored) {
    return (stored < 1 || stored > 14) ? 1 : stored;
}

void PreferencesStore::Load() {
    Preferences p;
    const ProductProfile product;
    const QString dataDir = GetWindowsDir(&p.DataFolderProblem);
    p.SitesFile = dataDir + QStringLiteral("sites.gws");
    p.BookmarkFile = dataDir + QStringLiteral("BookMark.gwb");
    // Without a data folder (the user is told once) history and pages live only for the run.
    if (p.DataFolderProblem.isEmpty()) {
        p.HistoryFile = dataDir + QStringLiteral("history.sqlite");
        p.SessionFile = dataDir + QStringLiteral("session.json");
    }

    p.StartupPage = product.Product_StartupPage();
    p.StartupPageEditable = product.Product_StartupPage_Editable();
    p.SearchPage = product.Product_SearchPage();
    p.SearchPageEditable = product.Product_SearchPage_Editable();
    p.WelcomePage = product.Product_WelcomePage();
    if (const QString startup = storedPage(RegUtil::kStartupPage);
        !startup.isEmpty() && p.StartupPageEditable)
        p.StartupPage = startup;
    if (const QString search = storedPage(RegUtil::kSearchPage); !search.isEmpty() && p.SearchPageEditable)
        p.SearchPage = search;
    p.SearchAddress = product.Product_SearchAddress();
    if (const QString address = storedPage(RegUtil::kSearchAddress);
        p.SearchPageEditable && IsSearchAddress(address))
        p.SearchAddress = address;
    p.RestorePages = RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kRestorePages) == 1;
    p.BackgroundIndex =
        BackgroundFromSetting(RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kBackground));
    values_ = p;
}

void PreferencesStore::Save(const Preferences& chosen) {
    const ProductProfile product;
    if (values_.StartupPageEditable)
        storePage(chosen.StartupPage.trimmed(), product.Product_StartupPage(), RegUtil::kStartupPage,
                  values_.StartupPage);
    if (values_.SearchPageEditable)
        storePage(chosen.SearchPage.trimmed(), product.Product_SearchPage(), RegUtil::kSearchPage,
                  values_.SearchPage);
    // An address that cannot take the words keeps the one in use.
    if (values_.SearchPageEditable && IsSearchAddress(chosen.SearchAddress))
        storePage(chosen.SearchAddress.trimmed(), product.Product_SearchAddress(), RegUtil::kSearchAddress,
                  values_.SearchAddress);
    if (chosen.RestorePages != values_.RestorePages) {
        values_.RestorePages = chosen.RestorePages;
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kRestorePages,
                              chosen.RestorePages ? QStringLiteral("1") : QStringLiteral("0"));
    }
    if (chosen.BackgroundIndex != values_.BackgroundIndex) {
        values_.BackgroundIndex = chosen.BackgroundIndex;
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kBackground,
                              QString::number(chosen.BackgroundIndex));
    }
    emit changed();
}

void PreferencesStore::Replace(const Preferences& values) {
    values_ = values;
    emit changed();
}
