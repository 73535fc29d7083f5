#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;

// A small bar over the page for finding text with the engine's own find; Enter finds the next
// match, Shift+Enter the previous, Escape closes the bar and clears the highlight.
class FindBar : public QFrame {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent);
    void Open();
    QLineEdit* Edit() const { return edit_; }
    // "3 of 306" once the engine has selected a match, else how many there are.
    void ShowMatches(int active, int matches);
    QString MatchesText() const;
    // Hides the bar and clears the highlight.
    void Close();

signals:
    void Find(const QString& text, bool backward);
    void Closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* edit_;
    QLabel* matches_;
};
