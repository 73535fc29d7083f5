#include "agent/engine/BalloonWindow.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {
constexpr int kMaxTextWidth = 260;
constexpr int kPadding = 10;
constexpr int kTail = 16; // the room the tail or the thought bubbles take below or above
constexpr int kFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
// A long text (a whole page read aloud) is shown a balloonful at a time.
constexpr int kMaxLines = 8;
// More words than a balloonful can ever hold: the most that is measured at once.
constexpr int kMostWordsOnAPage = 400;
} // namespace

BalloonWindow::BalloonWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    QFont f = font();
    f.setPointSize(10);
    setFont(f);
}

void BalloonWindow::SetColours(const QColor& background, const QColor& border, const QColor& text) {
    background_ = background;
    border_ = border;
    text_ = text;
}

void BalloonWindow::SetFontSize(int points) {
    QFont f = font();
    f.setPointSize(qBound(6, points, 36));
    setFont(f);
}

void BalloonWindow::Start(bool thought, const QString& text) {
    thought_ = thought;
    shownText_ = text;
    words_.clear();
    for (qsizetype i = 0, n = text.size(); i < n;) {
        while (i < n && text.at(i).isSpace())
            ++i;
        const qsizetype start = i;
        while (i < n && !text.at(i).isSpace())
            ++i;
        if (i > start) words_.append({int(start), int(i - start)});
    }
    revealed_ = 0;
    // Sized for the whole text now, so the balloon does not grow while the words appear; a balloonful
    // of it is all that can show.
    const QString measured = joined(0, qMin(int(words_.size()), kMostWordsOnAPage));
    const QFontMetrics metrics(font());
    const int textWidth =
        qMax(metrics.boundingRect(QRect(0, 0, kMaxTextWidth, 10000), kFlags, measured).width() + 2, 60);
    const QRect needed = metrics.boundingRect(QRect(0, 0, textWidth, 10000), kFlags, measured);
    const int width = textWidth + 2 * kPadding;
    const int textHeight = qMin(needed.height(), kMaxLines * metrics.lineSpacing());
    const int height = textHeight + 2 * kPadding + kTail;
    firstShown_ = 0;
    resize(width, height);
    update();
}

void BalloonWindow::Reveal(int words) {
    const int before = revealed_;
    revealed_ = qBound(0, words, int(words_.size()));
    if (revealed_ < firstShown_) firstShown_ = 0;
    const QFontMetrics metrics(font());
    const QRect box = textRect();
    auto fits = [&](int first) {
        const QString text = joined(first, revealed_ - first);
        return metrics.boundingRect(QRect(0, 0, box.width(), 100000), kFlags, text).height() <= box.height();
    };
    if (revealed_ - firstShown_ > 1 && !fits(firstShown_)) {
        if (revealed_ == before + 1) {
            // The next word does not fit: a fresh page starts with it.
            firstShown_ = revealed_ - 1;
        } else {
            // Many words at once (the end of the speech): the last balloonful of them.
            int low = qMax(firstShown_ + 1, revealed_ - kMostWordsOnAPage), high = revealed_ - 1;
            while (low < high) {
                const int middle = (low + high) / 2;
                if (fits(middle))
                    high = middle;
                else
                    low = middle + 1;
            }
            firstShown_ = low;
        }
    }
    update();
}

QString BalloonWindow::joined(int first, int count) const {
    QString text;
    for (int i = first; i < first + count && i < words_.size(); ++i) {
        if (i > first) text += u' ';
        text += QStringView(shownText_).mid(words_[i].start, words_[i].length);
    }
    return text;
}

QString BalloonWindow::PageText() const {
    return joined(firstShown_, revealed_ - firstShown_);
}

QString BalloonWindow::ShownText() const {
    return joined(0, revealed_);
}

void BalloonWindow::PlaceBeside(const QRect& figure) {
    QScreen* screen = QGuiApplication::screenAt(figure.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    tailDown_ = figure.top() - height() >= area.top();
    int x = figure.center().x() - width() / 2;
    x = qBound(area.left(), x, qMax(area.left(), area.right() - width()));
    const int y = tailDown_ ? figure.top() - height() + 4 : figure.bottom() - 4;
    move(x, qBound(area.top(), y, qMax(area.top(), area.bottom() - height())));
    tailX_ = qBound(kPadding + 8, figure.center().x() - x, width() - kPadding - 8);
    // Shaped like the balloon, so no compositor is needed for its round edges.
    QBitmap shape(size());
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setPen(QPen(Qt::color1, 2));
    painter.setBrush(Qt::color1);
    painter.drawPath(outline());
    painter.end();
    setMask(shape);
    update();
}

QRect BalloonWindow::textRect() const {
    const int top = tailDown_ ? 0 : kTail;
    return QRect(kPadding, top + kPadding, width() - 2 * kPadding, height() - kTail - 2 * kPadding);
}

QPainterPath BalloonWindow::outline() const {
    const int top = tailDown_ ? 0 : kTail;
    const QRectF body(1, top + 1, width() - 2, height() - kTail - 2);
    QPainterPath path;
    if (thought_) {
        // A cloud: the body with scalloped edges, and two bubbles on the way to the figure.
        path.addRoundedRect(body, 18, 18);
        const qreal bubbleY = tailDown_ ? body.bottom() + 6 : body.top() - 6;
        const qreal smallY = tailDown_ ? body.bottom() + 13 : body.top() - 13;
        path.addEllipse(QPointF(tailX_ - 4, bubbleY), 5, 4);
        path.addEllipse(QPointF(tailX_, smallY), 3, 2.5);
        return path.simplified();
    }
    path.addRoundedRect(body, 10, 10);
    QPainterPath tail;
    if (tailDown_) {
        tail.moveTo(tailX_ - 9, body.bottom() - 1);
        tail.lineTo(tailX_ + 2, body.bottom() + kTail - 2);
        tail.lineTo(tailX_ + 5, body.bottom() - 1);
    } else {
        tail.moveTo(tailX_ - 9, body.top() + 1);
        tail.lineTo(tailX_ + 2, body.top() - kTail + 2);
        tail.lineTo(tailX_ + 5, body.top() + 1);
    }
    tail.closeSubpath();
    return path.united(tail);
}

void BalloonWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(QPen(border_, 1.5));
    p.setBrush(background_);
    p.drawPath(outline());
    p.setPen(text_);
    p.drawText(textRect(), kFlags, PageText());
}
