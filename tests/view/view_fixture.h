#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include <optional>
#include <string>
#include <vector>

#include "designer/handler_code_editor.h"
#include "designer/lumora_view.h"
#include "model/document.h"
#include "model/new_application.h"
#include "model/records.h"
#include "recording_messages.h"
#include "recording_object_tree.h"

namespace lumora::testing {

// Stands in for the code editor: records what it was opened on and answers as told.
class FakeCodeEditor : public designer::HandlerCodeEditor {
  public:
    std::optional<std::u16string> Edit(QWidget*, const std::u16string& code,
                                       const std::u16string& handler) override {
        opened.push_back({code, handler});
        return answer;
    }
    struct Opening {
        std::u16string code;
        std::u16string handler;
    };
    std::vector<Opening> opened;
    std::optional<std::u16string> answer;
};

// A new application shown in a view whose viewport is exactly the 1024 x 768 screen.
class ViewTest : public ::testing::Test {
  protected:
    ViewTest() : view(doc) {
        doc.AttachMessages(&messages);
        doc.AttachObjectTree(&tree);
        StartNewApplication(doc);
        doc.SetModifiedFlag(false);
        view.SetHandlerCodeEditor(&editor);
        view.resize(1024, 768);
        view.show();  // the viewport takes its size from a shown area only
        QObject::connect(&view, &designer::CLumoraView::propertyGridRefillRequested,
                         [this] { ++gridFills; });
        QObject::connect(&view, &designer::CLumoraView::pointerTextChanged,
                         [this](const QString& text) { pointerText = text; });
        view.OnInitialUpdate();
        gridFills = 0;
    }

    CLmForm& Form1() { return *doc.forms[0]; }
    CLmComponent& Named(std::u16string_view name) {
        for (const auto& c : Form1().components) {
            if (c->name == name) {
                return *c;
            }
        }
        throw std::logic_error("no such component");
    }
    QWidget* Port() { return view.viewport(); }
    // The middle of a screen tile at full size, in client coordinates.
    static QPoint Tile(int column, int row) { return {column * 16 + 8, row * 16 + 8}; }

    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Port(), button, Qt::NoModifier, at);
    }
    // As a platform delivers it: press, release, double click (the second press), release.
    void DoubleClick(QPoint at) {
        QTest::mouseClick(Port(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(Port(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(Port(), Qt::LeftButton, Qt::NoModifier, at);
    }
    void MoveTo(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), Port()->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Port(), &move);
    }
    // A key event carrying the platform's native key information, as X11 delivers it.
    void SendNativeKey(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                       quint32 scanCode, quint32 keysym) {
        QKeyEvent event(type, key, modifiers, scanCode, keysym, 0);
        QApplication::sendEvent(&view, &event);
    }
    QImage Grab() { return Port()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    CLumoraDoc doc;
    RecordingMessages messages;
    RecordingObjectTree tree;
    FakeCodeEditor editor;
    designer::CLumoraView view;
    int gridFills = 0;
    QString pointerText;
};

}  // namespace lumora::testing
