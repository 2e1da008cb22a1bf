#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

class QMenu;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace lumora::shell {

class CommandTable;
class RibbonPanel;

// Our own compact ribbon: the tab row (application button "File", quick-access bar, the
// category tabs, then "Style" and About on the right) over the pages of the categories.
class RibbonBar : public QWidget {
    Q_OBJECT
  public:
    RibbonBar(CommandTable& commands, QMenu* applicationMenu, QMenu* styleMenu,
              QWidget* parent = nullptr);

    QToolButton* ApplicationButton() const { return applicationButton_; }
    QToolButton* StyleButton() const { return styleButton_; }
    QToolButton* AboutButton() const { return aboutButton_; }
    const QList<QToolButton*>& QuickAccess() const { return quickAccess_; }
    QTabBar* Tabs() const { return tabs_; }
    const QList<RibbonPanel*>& Panels() const { return panels_; }
    // The Home page's element for the command, or nullptr.
    QWidget* ElementFor(int id) const;

    void SetColors(const QColor& top, const QColor& bottom);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* BuildHomePage(CommandTable& commands);
    void FitToWidth();

    QToolButton* applicationButton_ = nullptr;
    QToolButton* styleButton_ = nullptr;
    QToolButton* aboutButton_ = nullptr;
    QList<QToolButton*> quickAccess_;
    QTabBar* tabs_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QWidget* homePage_ = nullptr;
    QList<RibbonPanel*> panels_;
    QColor top_;
    QColor bottom_;
};

}  // namespace lumora::shell
