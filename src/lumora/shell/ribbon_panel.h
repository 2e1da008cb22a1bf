#pragma once

#include <QFrame>
#include <QList>

#include <initializer_list>

class QAction;
class QHBoxLayout;
class QLabel;
class QToolButton;

namespace lumora::shell {

// One panel of a ribbon category: large buttons, columns of up to three small buttons or
// check boxes, and the panel's title along the bottom.
class RibbonPanel : public QFrame {
    Q_OBJECT
  public:
    explicit RibbonPanel(const QString& title, QWidget* parent = nullptr);

    void AddLarge(QAction* action);
    void AddSmallColumn(std::initializer_list<QAction*> actions);
    void AddCheckColumn(std::initializer_list<QAction*> actions);
    // Small buttons drop their captions (the tool tips stay) when the ribbon is short of room.
    void SetCompact(bool compact);

    QString Title() const;
    // The button or check box that shows the command, or nullptr.
    QWidget* ElementFor(int id) const;

  private:
    QHBoxLayout* row_ = nullptr;
    QLabel* title_ = nullptr;
    QList<QToolButton*> small_;
    QList<QWidget*> elements_;
};

}  // namespace lumora::shell
