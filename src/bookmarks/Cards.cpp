#include "bookmarks/Cards.h"

#include "bookmarks/CardIcons.h"
#include "bookmarks/FormProperties.h"
#include "decor/PointerGestures.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

Cards::Cards(QWidget& area, PointerGestures& gestures, const QString& file)
    : area_(area)
    , gestures_(gestures)
    , file_(file)
    , cards_(1)
    , images_(1, nullptr) {
    RunPropertiesDialog = [](FormProperties& dialog) { dialog.exec(); };
    connect(&gestures_, &PointerGestures::moved, this, [this](int kind, int index, QPoint topLeft) {
        if (kind == PointerGestures::KindCard) moved(index, topLeft);
    });
    connect(&gestures_, &PointerGestures::movedBack, this, [this](int kind, int index, QPoint topLeft) {
        if (kind != PointerGestures::KindCard || !InUse(index)) return;
        cards_[index].Left = topLeft.x(); // back where it was; the file already says so
        cards_[index].Top = topLeft.y();
    });
}

Cards::~Cards() = default;

int Cards::CardCount() const {
    int count = 0;
    for (int i = 1; i <= CardSlots(); ++i)
        count += cards_[i].InUse ? 1 : 0;
    return count;
}

void Cards::LoadCards() {
    const CardLoad load = LoadCardFile(file_);
    for (const CardRecord& card : load.Cards) {
        const int index = AllocateCard();
        if (!index) break;
        cards_[index] = card;
        cards_[index].InUse = true;
        showCard(index);
    }
    if (load.Status != CardLoadStatus::Ok && load.Status != CardLoadStatus::Missing)
        emit problem(QStringLiteral("desktop_not_loaded"),
                     QStringLiteral("The desktop cards could not all be read from %1.")
                         .arg(QDir::toNativeSeparators(file_)));
}

bool Cards::SaveCards() {
    QList<CardRecord> inUse;
    for (int i = 1; i <= CardSlots(); ++i)
        if (cards_[i].InUse) inUse.append(cards_[i]);
    if (SaveCardFile(file_, inUse)) return true;
    emit problem(QStringLiteral("desktop_not_saved"),
                 QStringLiteral("The desktop cards could not be saved to %1; the previous file is kept.")
                     .arg(QDir::toNativeSeparators(file_)));
    return false;
}

int Cards::AllocateCard() {
    int index = 0;
    for (int i = 1; i <= CardSlots() && !index; ++i)
        if (!cards_[i].InUse) index = i;
    if (!index) {
        index = CardSlots() + 1;
        cards_.resize(index + 1);
        images_.resize(index + 1);
    }
    if (!images_[index]) {
        auto* image = new QLabel(&area_);
        image->setFixedSize(32, 32);
        image->setCursor(Qt::PointingHandCursor);
        image->setAttribute(Qt::WA_TranslucentBackground);
        image->setMouseTracking(true);
        image->installEventFilter(this);
        image->setProperty("card", index);
        image->hide();
        images_[index] = image;
    }
    cards_[index] = CardRecord();
    cards_[index].InUse = true;
    return index;
}

int Cards::NewCard(int icon, const QString& address, const QString& name, QPoint centre) {
    const int index = AllocateCard();
    if (!index) return 0;
    CardRecord& card = cards_[index];
    card.Icon = icon;
    card.Address = address;
    card.Name = name;
    card.Left = centre.x() - 16; // the card is centred on the drop point
    card.Top = centre.y() - 16;
    showCard(index);
    return index;
}

void Cards::showCard(int index) {
    const CardRecord& card = cards_[index];
    QLabel* image = images_[index];
    // A card saved on a larger screen is shown at the nearest place it can be reached; its record
    // keeps the stored place until the user moves it.
    QPoint at(card.Left, card.Top);
    if (desktop_.width() >= 32 && desktop_.height() >= 32) {
        at.setX(qBound(desktop_.left(), at.x(), desktop_.right() - 31));
        at.setY(qBound(desktop_.top(), at.y(), desktop_.bottom() - 31));
    }
    image->move(at);
    image->setPixmap(CardIcon(card.Icon).pixmap(32, 32));
    image->setToolTip(card.Name);
    image->raise();
    image->show();
}

void Cards::DeleteCard(int index) {
    if (!InUse(index)) return;
    cards_[index].InUse = false;
    images_[index]->deleteLater();
    images_[index] = nullptr;
    SaveCards();
}

void Cards::EditCardProperties(int index) {
    if (!InUse(index)) return;
    CardRecord& card = cards_[index];
    FormProperties dialog(area_.window());
    dialog.Init(PointerGestures::KindCard, card.Name, card.Address, card.Icon);
    RunPropertiesDialog(dialog);
    if (dialog.Result != ResultOK) return;
    card.Name = dialog.EditTitle->text().trimmed();
    card.Address = dialog.EditUrl->text().trimmed();
    card.Icon = dialog.IconIndex;
    images_[index]->setPixmap(CardIcon(card.Icon).pixmap(32, 32));
    images_[index]->setToolTip(card.Name);
    SaveCards();
}

void Cards::moved(int index, QPoint topLeft) {
    if (!InUse(index)) return;
    cards_[index].Left = topLeft.x();
    cards_[index].Top = topLeft.y();
    SaveCards();
}

bool Cards::eventFilter(QObject* watched, QEvent* event) {
    auto* image = qobject_cast<QLabel*>(watched);
    const int index = image ? image->property("card").toInt() : 0;
    if (!InUse(index) || images_[index] != image) return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        gestures_.Generic_MouseDown(image, PointerGestures::KindCard, index, mouse->button(),
                                    mouse->position().toPoint());
        return true;
    case QEvent::MouseMove:
        gestures_.Generic_MouseMove(image, PointerGestures::KindCard, index, mouse->buttons(),
                                    mouse->position().toPoint());
        return true;
    case QEvent::MouseButtonRelease: {
        const bool inside = image->rect().contains(mouse->position().toPoint());
        gestures_.Generic_MouseUp(image, PointerGestures::KindCard, index, mouse->button(),
                                  mouse->position().toPoint());
        // The click follows the release, for either button, as the window system would raise it.
        if (inside && gestures_.Generic_Click(PointerGestures::KindCard) && mouse->button() == Qt::LeftButton)
            emit opened(index);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
