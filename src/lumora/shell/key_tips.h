#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QLabel;
class QWidget;

namespace lumora::shell {

// Keyboard access to the ribbon: pressing and releasing Alt alone shows the key tips of the
// tab row; a letter then acts (H shows the Home page's tips), Escape steps back.
class KeyTips : public QObject {
    Q_OBJECT
  public:
    enum class Level { Hidden, TabRow, Home };

    explicit KeyTips(QWidget* window);

    // A tip shown next to the anchor at the level; the action runs when its key is pressed.
    // A tip whose anchor is disabled is shown greyed and does nothing.
    void Add(Level level, const QString& key, QWidget* anchor, std::function<void()> action);

    Level Shown() const { return level_; }
    void Show(Level level);
    // The labels now on screen, for tests and screenshots.
    QList<QLabel*> Labels() const { return labels_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Tip {
        Level level;
        QString key;
        QPointer<QWidget> anchor;
        std::function<void()> action;
    };
    bool HandleKey(int key, const QString& text);

    QWidget* window_;
    QList<Tip> tips_;
    QList<QLabel*> labels_;
    Level level_ = Level::Hidden;
    bool altArmed_ = false;
};

}  // namespace lumora::shell
