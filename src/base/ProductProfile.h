#pragma once

#include <QString>

// The identity of this product edition: names and the addresses of the product's pages. An edition
// for another distributor changes only this class.
class ProductProfile {
public:
    QString Bookmark_Caption() const { return QStringLiteral("Bookmarks"); }
    QString Bookmark_ToolTip() const { return QStringLiteral("Glisterwood Bookmarks"); }
    QString OEM_Name() const { return QStringLiteral("Varnholt Software"); }
    QString Product_CaptionSuffix() const { return QStringLiteral("Glisterwood 99"); }
    QString Product_FullName() const { return QStringLiteral("Varnholt Software Glisterwood 99"); }
    QString Product_GetMoreTunesPage() const { return QStringLiteral("glisterwood://pages/moremusic.html"); }
    QString Product_HelpPage() const { return QStringLiteral("glisterwood://pages/help.html"); }
    QString Product_Name() const { return QStringLiteral("Glisterwood 99"); }
    QString Product_SearchPage() const { return QStringLiteral("https://duckduckgo.com/"); }
    bool Product_SearchPage_Editable() const { return true; }
    // Where words typed into the address box are looked up; {searchTerms} stands for the words.
    QString Product_SearchAddress() const {
        return QStringLiteral("https://duckduckgo.com/?q={searchTerms}");
    }
    QString Product_StartupPage() const { return QStringLiteral("glisterwood://pages/welcome.html"); }
    bool Product_StartupPage_Editable() const { return true; }
    QString Product_TellAFriendPage() const { return QStringLiteral("glisterwood://pages/tellafriend.html"); }
    QString Product_WelcomePage() const { return Product_StartupPage(); }
};
