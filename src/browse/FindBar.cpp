#include "browse/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

FindBar::FindBar(QWidget* parent)
    : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* label = new QLabel(QStringLiteral("Find:"), this);
    edit_ = new QLineEdit(this);
    edit_->setClearButtonEnabled(true);
    edit_->setMinimumWidth(200);
    auto* previous = new QToolButton(this);
    previous->setText(QStringLiteral("\u25B2"));
    previous->setToolTip(QStringLiteral("Previous match (Shift+Enter)"));
    auto* next = new QToolButton(this);
    next->setText(QStringLiteral("\u25BC"));
    next->setToolTip(QStringLiteral("Next match (Enter)"));
    matches_ = new QLabel(this);
    // Room for the longest count from the start, so that the bar keeps its shape as the count grows.
    matches_->setMinimumWidth(matches_->fontMetrics().horizontalAdvance(QStringLiteral("99,999 of 99,999")));
    auto* close = new QToolButton(this);
    close->setText(QStringLiteral("\u2715"));
    close->setToolTip(QStringLiteral("Close (Escape)"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(matches_);
    layout->addWidget(close);

    connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) { emit Find(text, false); });
    connect(next, &QToolButton::clicked, this, [this] { emit Find(edit_->text(), false); });
    connect(previous, &QToolButton::clicked, this, [this] { emit Find(edit_->text(), true); });
    connect(close, &QToolButton::clicked, this, [this] {
        hide();
        emit Closed();
    });
    hide();
}

void FindBar::Open() {
    adjustSize();
    show();
    raise();
    edit_->setFocus();
    edit_->selectAll();
}

void FindBar::ShowMatches(int active, int matches) {
    QString text;
    if (edit_->text().isEmpty())
        text.clear();
    else if (matches == 0)
        text = QStringLiteral("No matches");
    else if (active > 0)
        text = QStringLiteral("%L1 of %L2").arg(active).arg(matches);
    else
        text = matches == 1 ? QStringLiteral("1 match") : QStringLiteral("%L1 matches").arg(matches);
    matches_->setText(text);
}

QString FindBar::MatchesText() const {
    return matches_->text();
}

void FindBar::Close() {
    hide();
    emit Closed();
}

void FindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Close();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit Find(edit_->text(), event->modifiers() & Qt::ShiftModifier);
    } else {
        QFrame::keyPressEvent(event);
    }
}
