#include "browse/HistorySearch.h"

#include "browse/HistoryStore.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kShownAtMost = 500;
}

HistorySearch::HistorySearch(HistoryStore& store, QWidget* parent)
    : QDialog(parent)
    , store_(store) {
    setWindowTitle(QStringLiteral("Search History"));
    setModal(false);
    words_ = new QLineEdit(this);
    words_->setPlaceholderText(QStringLiteral("Words of the page's title or address"));
    words_->setClearButtonEnabled(true);
    auto* label = new QLabel(QStringLiteral("&Find pages visited before:"), this);
    label->setBuddy(words_);
    results_ = new QTreeWidget(this);
    results_->setHeaderLabels(
        {QStringLiteral("Title"), QStringLiteral("Address"), QStringLiteral("Last visited")});
    results_->setRootIsDecorated(false);
    results_->setUniformRowHeights(true);
    results_->setAllColumnsShowFocus(true);
    results_->header()->setStretchLastSection(false);
    results_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    results_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    results_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* open =
        buttons->addButton(QStringLiteral("&Open in New Window"), QDialogButtonBox::ActionRole);
    open->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(words_);
    layout->addWidget(results_, 1);
    layout->addWidget(buttons);
    resize(760, 460);

    connect(words_, &QLineEdit::textChanged, this, &HistorySearch::Refresh);
    connect(results_, &QTreeWidget::itemActivated, this, &HistorySearch::openSelected);
    connect(open, &QPushButton::clicked, this, &HistorySearch::openSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&store_, &HistoryStore::cleared, this, &HistorySearch::Refresh);
    words_->installEventFilter(this);
    Refresh();
}

QString HistorySearch::WhenText(qint64 msSinceEpoch, qint64 now) {
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(msSinceEpoch);
    const QDateTime today = QDateTime::fromMSecsSinceEpoch(now);
    const QLocale locale;
    if (when.date() == today.date()) return locale.toString(when.time(), QLocale::ShortFormat);
    return locale.toString(when, QLocale::ShortFormat);
}

void HistorySearch::Refresh() {
    const QList<HistoryEntry> found = store_.Search(words_->text(), kShownAtMost);
    const qint64 now = store_.Now();
    results_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const HistoryEntry& entry : found) {
        auto* row = new QTreeWidgetItem({entry.title.isEmpty() ? entry.address : entry.title, entry.address,
                                         WhenText(entry.lastVisit, now)});
        row->setData(0, Qt::UserRole, entry.address);
        row->setToolTip(0, entry.title);
        row->setToolTip(1, entry.address);
        rows << row;
    }
    results_->addTopLevelItems(rows);
    if (!rows.isEmpty()) results_->setCurrentItem(rows.first());
}

void HistorySearch::openSelected() {
    if (const QTreeWidgetItem* row = results_->currentItem())
        emit openRequested(row->data(0, Qt::UserRole).toString());
}

bool HistorySearch::eventFilter(QObject* watched, QEvent* event) {
    // From the words: Enter opens the page shown first (or chosen), Down goes to the list.
    if (watched == words_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openSelected();
            return true;
        }
        if (key == Qt::Key_Down && results_->topLevelItemCount() > 0) {
            results_->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
