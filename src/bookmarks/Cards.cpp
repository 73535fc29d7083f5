#include "bookmarks/Cards.h"

#include "bookmarks/CardIcons.h"
#include "bookmarks/CardLook.h"
#include "bookmarks/FormProperties.h"
#include "decor/DropRules.h"
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
    , images_(1, nullptr)
    , names_(1, nullptr) {
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
        names_.resize(index + 1);
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
        auto* name = new CardName(&area_);
        name->setCursor(Qt::PointingHandCursor);
        name->setMouseTracking(true);
        name->installEventFilter(this);
        name->setProperty("card", index);
        name->hide();
        names_[index] = name;
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

void Cards::SetDesktop(const QRect& desktop, const QVector<QRect>& avoid) {
    desktop_ = desktop;
    avoid_ = avoid;
    // The pictures depend on the pixel ratio alone: a new size only moves the cards.
    const qreal ratio = area_.devicePixelRatioF();
    const bool redraw = ratio != picturesRatio_;
    picturesRatio_ = ratio;
    for (int index = 1; index <= CardSlots(); ++index) {
        if (!InUse(index) || !images_[index] || images_[index]->isHidden()) continue;
        if (redraw) showPicture(index);
        placeCard(index);
    }
}

void Cards::showPicture(int index) {
    const CardRecord& card = cards_[index];
    images_[index]->setPixmap(OutlinedCardPicture(card.Icon, area_.devicePixelRatioF()));
    images_[index]->setToolTip(card.Name);
    names_[index]->SetName(card.Name);
    names_[index]->setToolTip(card.Name);
    names_[index]->FollowPicture(images_[index]->pos());
}

void Cards::showCard(int index) {
    showPicture(index);
    placeCard(index);
}

void Cards::placeCard(int index) {
    const CardRecord& card = cards_[index];
    QLabel* image = images_[index];
    // A card saved on a larger screen, or whose place the window now needs, is shown at the nearest
    // free place it can be reached; its record keeps the stored place until the user moves it.
    // The card takes its picture and the name under it.
    const CardName* name = names_[index];
    const int width = qMax(32, name->width());
    const QPoint offset((width - 32) / 2, 0);
    QRect footprint(QPoint(card.Left, card.Top) - offset, QSize(width, 32 + CardName::kGap + name->height()));
    if (desktop_.width() >= footprint.width() && desktop_.height() >= footprint.height())
        footprint.moveTopLeft(NearestFreePlace(footprint, desktop_, avoid_));
    image->move(footprint.topLeft() + offset);
    names_[index]->FollowPicture(image->pos());
    image->raise();
    image->show();
    names_[index]->raise();
    names_[index]->setVisible(!card.Name.simplified().isEmpty());
}

void Cards::DeleteCard(int index) {
    if (!InUse(index)) return;
    cards_[index].InUse = false;
    images_[index]->deleteLater();
    images_[index] = nullptr;
    names_[index]->deleteLater();
    names_[index] = nullptr;
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
    showPicture(index);
    names_[index]->setVisible(!card.Name.simplified().isEmpty());
    SaveCards();
}

void Cards::moved(int index, QPoint topLeft) {
    if (!InUse(index)) return;
    cards_[index].Left = topLeft.x();
    cards_[index].Top = topLeft.y();
    SaveCards();
}

bool Cards::forwardToPicture(int index, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        QLabel* image = images_[index];
        QPointF at = image->mapFromGlobal(mouse->globalPosition());
        // A click on the name is a click on the card; a drag keeps the grab point where it was.
        if (event->type() == QEvent::MouseButtonRelease && !gestures_.Dragging() &&
            names_[index]->rect().contains(names_[index]->mapFromGlobal(mouse->globalPosition()).toPoint()))
            at = QRectF(image->rect()).center();
        QMouseEvent forwarded(event->type(), at, mouse->globalPosition(), mouse->button(), mouse->buttons(),
                              mouse->modifiers());
        return eventFilter(image, &forwarded);
    }
    default:
        return false;
    }
}

bool Cards::eventFilter(QObject* watched, QEvent* event) {
    auto* name = qobject_cast<CardName*>(watched);
    if (name) {
        const int index = name->property("card").toInt();
        if (InUse(index) && names_[index] == name && forwardToPicture(index, event)) return true;
        return QObject::eventFilter(watched, event);
    }
    auto* image = qobject_cast<QLabel*>(watched);
    const int index = image ? image->property("card").toInt() : 0;
    if (!InUse(index) || images_[index] != image) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Move) {
        names_[index]->FollowPicture(image->pos()); // the name goes where the picture is dragged
        return false;
    }
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
