#include "shell/key_tips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

namespace lumora::shell {

KeyTips::KeyTips(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

void KeyTips::Add(Level level, const QString& key, QWidget* anchor, std::function<void()> action) {
    tips_.append({level, key.toUpper(), anchor, std::move(action)});
}

void KeyTips::Show(Level level) {
    qDeleteAll(labels_);
    labels_.clear();
    level_ = level;
    if (level == Level::Hidden) {
        return;
    }
    for (const Tip& tip : tips_) {
        if (tip.level != level || !tip.anchor || !tip.anchor->isVisible()) {
            continue;
        }
        auto* label = new QLabel(tip.key, window_);
        label->setObjectName(QStringLiteral("keyTip"));
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::ToolTipBase);
        label->setForegroundRole(QPalette::ToolTipText);
        label->setFrameShape(QFrame::Box);
        label->setEnabled(tip.anchor->isEnabled());
        label->setMargin(1);
        label->adjustSize();
        label->resize(qMax(label->width(), 16), label->height());
        const QWidget* anchor = tip.anchor;
        const QPoint bottomCentre(anchor->width() / 2, anchor->height());
        const QPoint at = anchor->mapTo(window_, bottomCentre);
        label->move(at.x() - label->width() / 2, at.y() - label->height() / 2);
        label->show();
        label->raise();
        labels_.append(label);
    }
}

bool KeyTips::HandleKey(int key, const QString& text) {
    if (key == Qt::Key_Escape) {
        Show(level_ == Level::Home ? Level::TabRow : Level::Hidden);
        return true;
    }
    const QString pressed = text.toUpper();
    for (const Tip& tip : tips_) {
        if (tip.level == level_ && tip.key == pressed && tip.anchor) {
            if (!tip.anchor->isEnabled()) {
                return true;
            }
            Show(Level::Hidden);
            tip.action();
            return true;
        }
    }
    // Any other key leaves keyboard access, as clicking elsewhere does.
    Show(Level::Hidden);
    return false;
}

bool KeyTips::eventFilter(QObject* watched, QEvent* event) {
    if (!window_->isActiveWindow() || QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->isAutoRepeat() || !watched->isWidgetType()) {
                break;
            }
            if (key->key() == Qt::Key_Alt) {
                // Platforms differ in whether the Alt press itself carries the Alt modifier.
                altArmed_ = (key->modifiers() & ~Qt::AltModifier) == Qt::NoModifier;
                break;
            }
            altArmed_ = false;
            if (level_ != Level::Hidden && key->modifiers() == Qt::NoModifier) {
                return HandleKey(key->key(), key->text());
            }
            break;
        }
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Alt && altArmed_ && !key->isAutoRepeat() &&
                watched->isWidgetType()) {
                altArmed_ = false;
                Show(level_ == Level::Hidden ? Level::TabRow : Level::Hidden);
                return true;
            }
            break;
        }
        case QEvent::MouseButtonPress:
            altArmed_ = false;
            if (level_ != Level::Hidden) {
                Show(Level::Hidden);
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace lumora::shell
