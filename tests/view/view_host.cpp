// A bare window around the designer view: the Home commands as a toolbar, a list to pick the
// form or bitmap shown (standing in for the object tree), the pointer position in the status bar.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

#include <utility>

#include "designer/lumora_view.h"
#include "model/document.h"
#include "model/new_application.h"
#include "model/records.h"
#include "model/user_messages.h"

namespace {

using namespace lumora;

class BoxMessages : public UserMessages {
  public:
    void ShowMessage(std::u16string_view text) override {
        QMessageBox::warning(nullptr, QStringLiteral("Lumora"),
                             QString::fromStdU16String(std::u16string(text)));
    }
};

const std::pair<int, const char*> kCaptions[] = {
    {180, "Button"},    {181, "Text"},        {182, "Bitmap"},         {183, "Option Button"},
    {184, "Group Box"}, {185, "Check Box"},   {186, "Number Edit"},    {57635, "Cut"},
    {190, "Add Form"},  {32786, "Forms 50%"}, {32791, "Handler Code"}, {57609, "Print Preview"},
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CLumoraDoc doc;
    BoxMessages messages;
    doc.AttachMessages(&messages);
    StartNewApplication(doc);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Lumora view"));
    auto* view = new designer::CLumoraView(doc, &window);
    window.setCentralWidget(view);
    auto* bar = window.addToolBar(QStringLiteral("Home"));
    auto* shown = new QComboBox(bar);
    std::vector<std::pair<QAction*, const designer::ViewCommand*>> actions;
    for (const auto& [id, caption] : kCaptions) {
        QAction* action = bar->addAction(QString::fromLatin1(caption));
        const designer::ViewCommand* command = view->FindCommand(id);
        action->setCheckable(static_cast<bool>(command->checked));
        QObject::connect(action, &QAction::triggered, view, [view, id] { view->RunCommand(id); });
        actions.emplace_back(action, command);
    }
    bar->addWidget(shown);
    auto refreshList = [&] {
        const QSignalBlocker block(shown);
        shown->clear();
        for (const auto& form : doc.forms) {
            shown->addItem(QString::fromStdU16String(form->name));
        }
        for (const auto& bitmap : doc.bitmaps) {
            shown->addItem(QString::fromStdU16String(bitmap->name));
        }
    };
    auto updateStates = [&] {
        for (const auto& [action, command] : actions) {
            action->setEnabled(command->enabled());
            if (command->checked) {
                action->setChecked(command->checked());
            }
        }
    };
    QObject::connect(shown, &QComboBox::textActivated, view, [&](const QString& name) {
        doc.SelectByName(name.toStdU16String());
        view->Perform((doc.currentForm != nullptr ? Refresh::Render : Refresh::Repaint) |
                      Refresh::RefillGrid);
        updateStates();
    });
    QObject::connect(view, &designer::CLumoraView::pointerTextChanged, window.statusBar(),
                     [&window](const QString& text) { window.statusBar()->showMessage(text); });
    QObject::connect(view, &designer::CLumoraView::propertyGridRefillRequested, view, [&] {
        refreshList();
        updateStates();
    });
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    view->OnInitialUpdate();
    window.resize(1100, 880);
    window.show();
    return app.exec();
}
