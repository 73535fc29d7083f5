#pragma once

#include <QColor>
#include <QWidget>

// The character's speech balloon or thought cloud: a small window of its own beside the figure,
// sized for the whole text from the start (a balloonful at most) and revealing it word by word.
class BalloonWindow : public QWidget {
    Q_OBJECT
public:
    BalloonWindow();

    void SetColours(const QColor& background, const QColor& border, const QColor& text);
    void SetFontSize(int points);
    // Lays the text out; nothing of it is shown until Reveal.
    void Start(bool thought, const QString& text);
    void Reveal(int words);
    // Beside the figure, where it fits on its screen: above it if there is room, else below.
    void PlaceBeside(const QRect& figure);
    bool Thought() const { return thought_; }
    QString ShownText() const;
    // The revealed words on the balloon's current page.
    QString PageText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPainterPath outline() const;
    QRect textRect() const;

    bool thought_ = false;
    bool tailDown_ = true; // the tail points down to a figure below the balloon
    int tailX_ = 40;
    // The words of the text, where they stand in it: a page read aloud may have a million of them,
    // and only the few on show are ever laid out.
    struct Word {
        int start;
        int length;
    };
    QString joined(int first, int count) const;

    QString shownText_;
    QList<Word> words_;
    int revealed_ = 0;
    int firstShown_ = 0;
    QColor background_ = QColor(255, 255, 225);
    QColor border_ = Qt::black;
    QColor text_ = Qt::black;
};
